#include "platform/line_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace quillora {
namespace {

class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::string bytes) : bytes_(std::move(bytes)) {}
  long Read(char* buffer, std::size_t size) override {
    const std::size_t n = std::min(size, bytes_.size() - pos_);
    std::memcpy(buffer, bytes_.data() + pos_, n);
    pos_ += n;
    return static_cast<long>(n);
  }

 private:
  std::string bytes_;
  std::size_t pos_ = 0;
};

std::vector<std::string> Lines(const std::string& bytes, std::size_t bufferSize) {
  MemorySource source(bytes);
  LineReader reader(source, bufferSize);
  std::vector<std::string> lines;
  std::string line;
  while (!reader.AtEnd()) {
    reader.ReadLine(line);
    lines.push_back(line);
  }
  return lines;
}

struct Case {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

TEST(LineReader, SplitsAtEveryKindOfLineBreakWhateverTheBufferSize) {
  const std::vector<Case> cases = {
      {"empty file", "", {}},
      {"last line without break", "a", {"a"}},
      {"break after last line adds nothing", "a\r\n", {"a"}},
      {"crlf lines", "ab\r\ncd", {"ab", "cd"}},
      {"lone lf", "a\nb\n", {"a", "b"}},
      {"lone cr", "a\rb\r", {"a", "b"}},
      {"blank lines count", "a\r\n\r\nb", {"a", "", "b"}},
      {"cr then crlf", "a\r\r\nb", {"a", "", "b"}},
      {"lf then cr", "a\n\r", {"a", ""}},
      {"only a break", "\r\n", {""}},
      {"bytes kept", std::string("\xFE\x06\x9D\x00z", 5), {std::string("\xFE\x06\x9D\x00z", 5)}},
  };
  for (const Case& c : cases) {
    for (std::size_t size : {1u, 2u, 3u, 65536u}) {
      EXPECT_EQ(Lines(c.bytes, size), c.lines) << c.name << ", buffer " << size;
    }
  }
}

TEST(LineReader, SkipsLinesAndFindsAPatternEvenAcrossReads) {
  const std::string bytes = "ab\xFE\x06\x9D" "cd\r\n\xFE\x06x\x9D\nzz\xFE\x06\x9D\rlast";
  const std::vector<bool> esperado = {true, false, true, false};
  for (std::size_t size : {1u, 2u, 3u, 4u, 65536u}) {
    MemorySource source(bytes);
    LineReader reader(source, size);
    std::vector<bool> achados;
    while (!reader.AtEnd()) achados.push_back(reader.SkipLine("\xFE\x06\x9D"));
    EXPECT_EQ(achados, esperado) << "buffer " << size;
  }
}

TEST(LineReader, CountsTheLinesHoldingAPatternWhateverTheBufferSize) {
  const std::string sep = "\xFE\x06\x9D";
  const std::vector<std::pair<std::string, std::int64_t>> cases = {
      {"", 0},
      {"x" + sep, 1},
      {sep + sep + "\r\n" + sep, 2},
      {"a\r\n" + sep + "b\rc\n\r\n\xFE\x06\r\x9D" + sep + "\n", 2},
      {"\xFE\x06\x9D\xFE\x06\x9D\n\n\n" + sep, 2},
      {"a\r\r\nb" + sep + "\r", 1},
  };
  for (const auto& [bytes, esperado] : cases) {
    for (std::size_t size : {1u, 2u, 3u, 4u, 5u, 7u, 65536u}) {
      MemorySource source(bytes);
      LineReader reader(source, size);
      EXPECT_EQ(reader.CountLinesHolding(sep), esperado) << "buffer " << size;
      EXPECT_TRUE(reader.AtEnd());
    }
  }
}

TEST(LineReader, ReportsAFailedReadAsTheEnd) {
  class Broken : public ByteSource {
    long Read(char*, std::size_t) override { return -1; }
  } source;
  LineReader reader(source);
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_TRUE(reader.Failed());
}

}  // namespace
}  // namespace quillora
