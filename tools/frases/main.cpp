// quillora-frases: makes and checks phrase files with the program's own
// reader, draw and decoder.
#include <cstdio>

#include "tools/frases/comandos.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include "platform/win32/runtime_win32.h"
#else
#include "platform/posix/runtime_posix.h"
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // Fields and decoded bytes pass through unchanged.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  quillora::Win32Runtime rt;
#else
  quillora::PosixRuntime rt(".");
#endif
  return quillora::Executar(argc, argv, rt);
}
