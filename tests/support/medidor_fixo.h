#pragma once
// A measurer with every character 10 pixels wide: 31 characters to a line
// of the phrase label (313 px) and 26 to the author label (265 px).
#include "tools/frases/medida.h"
#include "tools/frases/quebra.h"

namespace quillora::teste {

class MedidorFixo : public Medidor {
 public:
  static constexpr int kLargura = 10;
  int LinhasDaFrase(const std::string& frase, int largura) override {
    return ContarLinhas(frase, largura, [](unsigned char) { return kLargura; });
  }
  int LarguraDoAutor(const std::string& autor) override {
    return static_cast<int>(autor.size()) * kLargura;
  }
};

// `n` words of 31 letters: exactly `n` lines with MedidorFixo.
inline std::string FraseDeLinhas(int n) {
  std::string frase;
  for (int i = 0; i < n; ++i) frase += (i ? " " : "") + std::string(31, 'a' + i);
  return frase;
}

}  // namespace quillora::teste
