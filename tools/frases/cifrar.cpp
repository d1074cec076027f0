#include "tools/frases/cifrar.h"

#include "phrases/decifrar.h"

namespace quillora {

bool Cifrar(std::string_view texto, std::string_view chave, std::string& saida,
            std::size_t& posicaoRuim) {
  const double deslocamento = DeslocamentoDaChave(chave);
  saida.clear();
  for (std::size_t i = 0; i < texto.size(); ++i) {
    const PassoPosicao passo = PassoDaPosicao(i + 1);
    const double codigo = static_cast<unsigned char>(texto[i]) -
                          passo.sinal * deslocamento - passo.constante;
    if (codigo < 0 || codigo > 255) {
      posicaoRuim = i + 1;
      return false;
    }
    saida += static_cast<char>(static_cast<unsigned char>(codigo));
  }
  return true;
}

}  // namespace quillora
