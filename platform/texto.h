#pragma once
// Text on the screen: fonts and the measure of wrapped text, taken with the
// very routine that draws it (word wrap, ampersands literal).
#include <string>

namespace quillora {

struct Fonte {
  std::string nome;
  double pontos = 0;
  bool negrito = false;
  bool italico = false;
  bool sublinhado = false;
};

enum class Alinhamento { Esquerda, Direita, Centro };

// Fonts are made for the dots per inch of the window that shows them.
class Texto {
 public:
  virtual ~Texto() = default;
  // Height in pixels of Windows-1252 `texto` wrapped at `largura` pixels.
  virtual int AlturaTexto(const std::string& texto, const Fonte& fonte, int pontosPorPolegada,
                          int largura) = 0;
  // Height in pixels of one line of the font.
  virtual int AlturaLinha(const Fonte& fonte, int pontosPorPolegada) = 0;
};

}  // namespace quillora
