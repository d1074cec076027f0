#include "phrases/decifrar.h"

#include <cmath>
#include <cstdint>

namespace quillora {
namespace {

// By position 0..5: odd positions subtract the offset, even ones add it,
// each less a constant, and then the position itself is subtracted.
constexpr int kSinal[6] = {+1, -1, +1, -1, +1, -1};
constexpr int kConstante[6] = {2, 5, 4, 2, 3, 5};

}  // namespace

double DeslocamentoDaChave(std::string_view chave) {
  std::int64_t soma = 0;
  for (char c : chave) soma += static_cast<unsigned char>(c);
  return std::floor(static_cast<double>(soma) * 0.1 / 6);
}

PassoPosicao PassoDaPosicao(std::size_t indice) {
  const int pos = static_cast<int>(indice % 6);
  return {kSinal[pos], -kSinal[pos] * kConstante[pos] - pos};
}

std::string Decifrar(std::string_view texto, std::string_view chave) {
  const double deslocamento = DeslocamentoDaChave(chave);
  std::string saida;
  saida.reserve(texto.size());
  for (std::size_t i = 0; i < texto.size(); ++i) {
    const PassoPosicao passo = PassoDaPosicao(i + 1);
    const double codigo = static_cast<unsigned char>(texto[i]) +
                          passo.sinal * deslocamento + passo.constante;
    if (codigo < 0 || codigo > 255) continue;
    saida += static_cast<char>(static_cast<unsigned char>(codigo));
  }
  return saida;
}

std::string ChaveDaFrase(std::string_view autorDecifrado) {
  if (autorDecifrado.size() < 2) return {};
  return std::string(autorDecifrado.substr(1, 3));
}

}  // namespace quillora
