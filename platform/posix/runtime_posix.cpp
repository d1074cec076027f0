#include "platform/posix/runtime_posix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/cp1252.h"
#include "platform/line_stream.h"
#include "platform/utf8.h"

namespace quillora {
namespace {

class FdSource : public FileSource {
 public:
  explicit FdSource(int fd) : fd_(fd) {}
  ~FdSource() override { Close(); }
  FdSource(const FdSource&) = delete;
  FdSource& operator=(const FdSource&) = delete;

  long Read(char* buffer, std::size_t size) override {
    if (fd_ < 0) return 0;
    for (;;) {
      const ssize_t got = ::read(fd_, buffer, size);
      if (got >= 0) return static_cast<long>(got);
      if (errno != EINTR) return -1;
    }
  }
  void Close() override {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

}  // namespace

bool PosixFileSystem::FileExists(const std::u16string& path) {
  struct stat info {};
  return ::stat(Utf16ParaUtf8(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::unique_ptr<TextStream> PosixFileSystem::OpenTextFile(const std::u16string& path) {
  const int fd = ::open(Utf16ParaUtf8(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return nullptr;
  return std::make_unique<LineStream>(std::make_unique<FdSource>(fd));
}

std::unique_ptr<FileSystemObject> PosixRuntime::CreateFileSystemObject() {
  return std::make_unique<PosixFileSystem>();
}

double PosixRuntime::Timer() {
  timespec agora{};
  clock_gettime(CLOCK_REALTIME, &agora);
  std::tm local{};
  localtime_r(&agora.tv_sec, &local);
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
         agora.tv_nsec / 1e9;
}

void PosixRuntime::MsgBox(const std::string& text, int /*style*/,
                          const std::string& title) {
  std::fprintf(stderr, "%s: %s\n", Cp1252ParaUtf8(title).c_str(),
               Cp1252ParaUtf8(text).c_str());
}

void PosixRuntime::End() { std::exit(1); }

}  // namespace quillora
