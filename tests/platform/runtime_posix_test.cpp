#include "platform/posix/runtime_posix.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace quillora {
namespace {

namespace fs = std::filesystem;

TEST(PosixRuntime, AFolderIsNotAFileAndAMissingFileDoesNotOpen) {
  const fs::path dir = fs::temp_directory_path() / "quillora_posix_test";
  fs::remove_all(dir);
  fs::create_directories(dir / "dados.lst");
  PosixRuntime rt(dir.u16string());
  auto fso = rt.CreateFileSystemObject();
  EXPECT_FALSE(fso->FileExists((dir / "dados.lst").u16string()));
  EXPECT_FALSE(fso->FileExists((dir / "nada.lst").u16string()));
  EXPECT_EQ(fso->OpenTextFile((dir / "nada.lst").u16string()), nullptr);
  fs::remove_all(dir);
}

TEST(PosixRuntime, ReadsLinesOfARealFile) {
  const fs::path file = fs::temp_directory_path() / "quillora_posix_lines.lst";
  std::ofstream(file, std::ios::binary) << "um\r\ndois\nt\xEAs";
  PosixRuntime rt(u".");
  auto fso = rt.CreateFileSystemObject();
  ASSERT_TRUE(fso->FileExists(file.u16string()));
  auto stream = fso->OpenTextFile(file.u16string());
  ASSERT_NE(stream, nullptr);
  std::vector<std::string> lines;
  while (!stream->AtEndOfStream()) lines.push_back(stream->ReadLine());
  stream->Close();
  EXPECT_EQ(lines, (std::vector<std::string>{"um", "dois", "t\xEAs"}));
  EXPECT_FALSE(stream->Failed());
  fs::remove(file);
}

TEST(PosixRuntime, TimerIsWithinADayAndTheGeneratorStaysInRange) {
  PosixRuntime rt(u".");
  const double t = rt.Timer();
  EXPECT_GE(t, 0.0);
  EXPECT_LT(t, 86401.0);
  rt.Randomize(t);
  for (int i = 0; i < 10000; ++i) {
    const double r = rt.Rnd();
    ASSERT_GE(r, 0.0);
    ASSERT_LT(r, 1.0);
  }
}

}  // namespace
}  // namespace quillora
