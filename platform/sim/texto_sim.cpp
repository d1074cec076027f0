// The simulator's text: a fixed width per character, wrapped at spaces.
#include <algorithm>
#include <cmath>
#include <sstream>

#include "platform/sim/plataforma_sim.h"

namespace quillora {

namespace {

int NaEscala(int pixels, int pontosPorPolegada) {
  return static_cast<int>(std::lround(pixels * pontosPorPolegada / 96.0));
}

}  // namespace

int SimPlataforma::LinhasDoTexto(const std::string& texto, int pontosPorPolegada,
                                 int largura) const {
  const int porLinha = std::max(1, largura / NaEscala(larguraCaractere, pontosPorPolegada));
  std::istringstream palavras(texto);
  std::string palavra;
  int linhas = 1, usado = 0;
  while (palavras >> palavra) {
    const int n = static_cast<int>(palavra.size());
    if (usado > 0 && usado + 1 + n > porLinha) {
      ++linhas;
      usado = n;
    } else {
      usado += (usado > 0 ? 1 : 0) + n;
    }
  }
  return linhas;
}

int SimPlataforma::AlturaTexto(const std::string& texto, const Fonte& fonte,
                               int pontosPorPolegada, int largura) {
  return LinhasDoTexto(texto, pontosPorPolegada, largura) * AlturaLinha(fonte, pontosPorPolegada);
}

int SimPlataforma::AlturaLinha(const Fonte&, int pontosPorPolegada) {
  return NaEscala(alturaLinhaPx, pontosPorPolegada);
}

}  // namespace quillora
