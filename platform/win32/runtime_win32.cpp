#include "platform/win32/runtime_win32.h"

#include <windows.h>

#include <vector>

#include "platform/line_stream.h"
#include "platform/win32/texto_win32.h"

namespace quillora {
namespace {

class HandleSource : public FileSource {
 public:
  explicit HandleSource(HANDLE handle) : handle_(handle) {}
  ~HandleSource() override { Close(); }
  HandleSource(const HandleSource&) = delete;
  HandleSource& operator=(const HandleSource&) = delete;

  long Read(char* buffer, std::size_t size) override {
    if (handle_ == INVALID_HANDLE_VALUE) return 0;
    DWORD got = 0;
    if (!ReadFile(handle_, buffer, static_cast<DWORD>(size), &got, nullptr)) {
      return -1;
    }
    return static_cast<long>(got);
  }
  void Close() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

}  // namespace

bool Win32FileSystem::FileExists(const std::string& path) {
  const DWORD atributos = GetFileAttributesW(Largo(path).c_str());
  return atributos != INVALID_FILE_ATTRIBUTES &&
         (atributos & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Shares everything, so that an editor holding the file open does not stop
// the draw, and the program never takes a lock that others would notice.
std::unique_ptr<TextStream> Win32FileSystem::OpenTextFile(const std::string& path) {
  HANDLE handle = CreateFileW(
      Largo(path).c_str(), GENERIC_READ,
      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<LineStream>(std::make_unique<HandleSource>(handle));
}

std::string Win32Runtime::AppPath() {
  std::vector<wchar_t> caminho(32768);
  const DWORD n = GetModuleFileNameW(nullptr, caminho.data(),
                                     static_cast<DWORD>(caminho.size()));
  std::wstring pasta(caminho.data(), n);
  pasta.erase(pasta.find_last_of(L'\\') == std::wstring::npos
                  ? 0
                  : pasta.find_last_of(L'\\'));
  if (pasta.size() == 2 && pasta[1] == L':') pasta += L'\\';
  return Estreito(pasta);
}

std::unique_ptr<FileSystemObject> Win32Runtime::CreateFileSystemObject() {
  return std::make_unique<Win32FileSystem>();
}

double Win32Runtime::Timer() {
  SYSTEMTIME agora{};
  GetLocalTime(&agora);
  return agora.wHour * 3600.0 + agora.wMinute * 60.0 + agora.wSecond +
         agora.wMilliseconds / 1000.0;
}

void Win32Runtime::MsgBox(const std::string& text, int style,
                          const std::string& title) {
  MessageBoxW(nullptr, Largo(text).c_str(), Largo(title).c_str(),
              static_cast<UINT>(style));
}

void Win32Runtime::End() { ExitProcess(0); }

}  // namespace quillora
