// quillora-frases: makes and checks phrase files with the program's own
// reader, draw and decoder.
#include <cstdio>

#include "tools/frases/comandos.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <string>
#include <vector>

#include "platform/utf8.h"
#include "platform/win32/runtime_win32.h"

// File names come from the system in UTF-16 and go on as UTF-8, so that
// any name survives.
int wmain(int argc, wchar_t** argv) {
  // Fields and decoded bytes pass through unchanged.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  std::vector<std::string> utf8;
  for (int i = 0; i < argc; ++i) {
    utf8.push_back(quillora::Utf16ParaUtf8(reinterpret_cast<const char16_t*>(argv[i])));
  }
  std::vector<char*> args;
  for (std::string& a : utf8) args.push_back(a.data());
  quillora::Win32Runtime rt;
  return quillora::Executar(argc, args.data(), rt);
}
#else
#include "platform/posix/runtime_posix.h"

int main(int argc, char** argv) {
  quillora::PosixRuntime rt(u".");
  return quillora::Executar(argc, argv, rt);
}
#endif
