#pragma once
// Runtime services over POSIX, for the tools and the tests. Paths reach the
// file calls as UTF-8.
#include <string>

#include "platform/gerador.h"
#include "platform/runtime.h"

namespace quillora {

class PosixFileSystem : public FileSystemObject {
 public:
  bool FileExists(const std::u16string& path) override;
  std::unique_ptr<TextStream> OpenTextFile(const std::u16string& path) override;
};

class PosixRuntime : public Runtime {
 public:
  explicit PosixRuntime(std::u16string appPath) : appPath_(std::move(appPath)) {}
  std::u16string AppPath() override { return appPath_; }
  std::unique_ptr<FileSystemObject> CreateFileSystemObject() override;
  double Timer() override;
  void Randomize(double seed) override { gerador_.Semear(seed); }
  double Rnd() override { return gerador_.Proximo(); }
  // Prints the title and text on standard error.
  void MsgBox(const std::string& text, int style, const std::string& title) override;
  bool PrevInstance() override { return false; }
  [[noreturn]] void End() override;

 private:
  std::u16string appPath_;
  Gerador gerador_;
};

}  // namespace quillora
