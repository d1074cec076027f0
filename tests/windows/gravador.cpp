// quillora-gravador: stands in for the mail program in the end-to-end
// tests. Registered for the mailto: scheme, it appends the address that the
// shell hands it (its first argument) to C:\gravados.txt as a UTF-8 line.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argv == nullptr || argc < 2) return 1;
  const int n = WideCharToMultiByte(CP_UTF8, 0, argv[1], -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(n > 0 ? n - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, argv[1], -1, utf8.data(), n, nullptr, nullptr);
  LocalFree(argv);
  std::FILE* f = _wfopen(L"C:\\gravados.txt", L"ab");
  if (f == nullptr) return 1;
  std::fprintf(f, "%s\n", utf8.c_str());
  std::fclose(f);
  return 0;
}
