// The simulator's text: a fixed width per character, wrapped at spaces.
#include <algorithm>
#include <sstream>

#include "platform/sim/plataforma_sim.h"

namespace quillora {

int SimPlataforma::LinhasDoTexto(const std::string& texto, int largura) const {
  const int porLinha = std::max(1, largura / larguraCaractere);
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

int SimPlataforma::AlturaTexto(const std::string& texto, const Fonte&, int largura) {
  return LinhasDoTexto(texto, largura) * alturaLinhaPx;
}

}  // namespace quillora
