#pragma once
// Runtime services over Win32, for the program itself.
#include "platform/gerador.h"
#include "platform/runtime.h"

namespace quillora {

class Win32FileSystem : public FileSystemObject {
 public:
  bool FileExists(const std::u16string& path) override;
  std::unique_ptr<TextStream> OpenTextFile(const std::u16string& path) override;
};

class Win32Runtime : public Runtime {
 public:
  // `outraCopia`: the single-instance test made at process start.
  explicit Win32Runtime(bool outraCopia = false) : outraCopia_(outraCopia) {}
  std::u16string AppPath() override;
  std::unique_ptr<FileSystemObject> CreateFileSystemObject() override;
  double Timer() override;
  void Randomize(double seed) override { gerador_.Semear(seed); }
  double Rnd() override { return gerador_.Proximo(); }
  void MsgBox(const std::string& text, int style, const std::string& title) override;
  bool PrevInstance() override { return outraCopia_; }
  [[noreturn]] void End() override;

 private:
  Gerador gerador_;
  bool outraCopia_;
};

}  // namespace quillora
