#include "tools/frases/cifrar.h"

#include "phrases/decifrar.h"

namespace quillora {

Cifrado Cifrar(std::string_view texto, std::string_view chave) {
  const double deslocamento = DeslocamentoDaChave(chave);
  std::string saida;
  for (std::size_t i = 0; i < texto.size(); ++i) {
    const PassoPosicao passo = PassoDaPosicao(i + 1);
    const double codigo = static_cast<unsigned char>(texto[i]) -
                          passo.sinal * deslocamento - passo.constante;
    if (codigo < 0 || codigo > 255) return {std::nullopt, i + 1};
    saida += static_cast<char>(static_cast<unsigned char>(codigo));
  }
  return {std::move(saida)};
}

}  // namespace quillora
