#include "phrases/registro.h"

namespace quillora {

std::size_t PosicaoSeparador(std::string_view linha) {
  const std::size_t p = linha.find(kSeparador);
  return p == std::string_view::npos ? 0 : p + 1;
}

void DividirRegistro(std::string& linha, std::string& autor) {
  const std::size_t p = PosicaoSeparador(linha);
  autor.assign(linha, p - 1 + kSeparador.size());
  linha.resize(p - 1);
}

}  // namespace quillora
