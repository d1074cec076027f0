#include "platform/win32/runtime_win32.h"

#include <windows.h>

#include <vector>

#include "platform/line_stream.h"
#include "platform/win32/largo.h"

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

const wchar_t* Caminho(const std::u16string& path) {
  static_assert(sizeof(wchar_t) == sizeof(char16_t));
  return reinterpret_cast<const wchar_t*>(path.c_str());
}

}  // namespace

bool Win32FileSystem::FileExists(const std::u16string& path) {
  const DWORD atributos = GetFileAttributesW(Caminho(path));
  return atributos != INVALID_FILE_ATTRIBUTES &&
         (atributos & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// Shares everything, so that an editor holding the file open does not stop
// the draw, and the program never takes a lock that others would notice.
std::unique_ptr<TextStream> Win32FileSystem::OpenTextFile(const std::u16string& path) {
  HANDLE handle = CreateFileW(
      Caminho(path), GENERIC_READ,
      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<LineStream>(std::make_unique<HandleSource>(handle));
}

// The folder's name stays UTF-16 from the system to the file calls, so a
// folder named in any script is found.
std::u16string Win32Runtime::AppPath() {
  std::vector<wchar_t> caminho(32768);
  const DWORD n = GetModuleFileNameW(nullptr, caminho.data(),
                                     static_cast<DWORD>(caminho.size()));
  std::u16string pasta(caminho.begin(), caminho.begin() + n);
  const std::size_t barra = pasta.find_last_of(u'\\');
  pasta.erase(barra == std::u16string::npos ? 0 : barra);
  if (pasta.size() == 2 && pasta[1] == u':') pasta += u'\\';
  return pasta;
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
