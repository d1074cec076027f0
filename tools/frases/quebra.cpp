#include "tools/frases/quebra.h"

namespace quillora {
namespace {

// Where a line may start: at a word that follows a space.
bool ComecoDePalavra(std::string_view t, std::size_t i) {
  return i > 0 && i < t.size() && t[i] != ' ' && t[i - 1] == ' ';
}

// Where the line after the one that starts at `inicio` starts.
std::size_t ProximaLinha(std::string_view t, std::size_t inicio, int largura,
                         const std::function<int(unsigned char)>& larguraDe) {
  int soma = 0;
  std::size_t j = inicio;
  while (j < t.size() && soma + larguraDe(static_cast<unsigned char>(t[j])) <= largura) {
    soma += larguraDe(static_cast<unsigned char>(t[j]));
    ++j;
  }
  if (j == t.size() || ComecoDePalavra(t, j)) return j;
  // A word that fits only without the space after it goes down too.
  for (std::size_t b = j - 1; b > inicio; --b) {
    if (ComecoDePalavra(t, b)) return b;
  }
  // One word fills the line: the spaces after it go with it. A word wider
  // than the line is cut where it stops fitting, one character at least.
  if (t[j] == ' ') {
    while (j < t.size() && t[j] == ' ') ++j;
    return j;
  }
  return j > inicio ? j : inicio + 1;
}

}  // namespace

int ContarLinhas(std::string_view texto, int largura,
                 const std::function<int(unsigned char)>& larguraDe) {
  int linhas = 0;
  std::size_t i = 0;
  do {
    ++linhas;
    i = ProximaLinha(texto, i, largura, larguraDe);
  } while (i < texto.size());
  return linhas;
}

}  // namespace quillora
