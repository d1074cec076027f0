// Writes the program's generated pictures into the source tree:
//   gerar_recursos DIR  ->  DIR/board/mural.gif, DIR/board/mao.cur,
//                           DIR/board/mao_escalas.cur,
//                           DIR/app/quillora.ico, DIR/about/info.ico
#include <fstream>
#include <iostream>
#include <string>

#include "tools/recursos/cursor_mao.h"
#include "tools/recursos/gif.h"
#include "tools/recursos/icones.h"
#include "board/mural_arte.h"

namespace {

bool Gravar(const std::string& caminho, const std::string& bytes) {
  std::ofstream out(caminho, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) std::cerr << caminho << ": não foi possível gravar\n";
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "uso: gerar_recursos PASTA_DO_PROJETO\n";
    return 2;
  }
  const std::string raiz = argv[1];
  const bool ok =
      Gravar(raiz + "/board/mural.gif", quillora::CodificarGif(quillora::DesenharMural())) &&
      Gravar(raiz + "/board/mao.cur", quillora::CursorMao()) &&
      Gravar(raiz + "/board/mao_escalas.cur", quillora::CursorMaoEscalas()) &&
      Gravar(raiz + "/app/quillora.ico", quillora::IconeAplicacao()) &&
      Gravar(raiz + "/about/info.ico", quillora::IconeInformacao());
  return ok ? 0 : 1;
}
