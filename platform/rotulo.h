#pragma once
// A label of a form: a caption in a rectangle of twips. With auto-size and
// word wrap both on it keeps its width, and setting its caption or width
// makes its height its wrapped lines times the font's line height.
#include <string>

#include "platform/cor.h"
#include "platform/escala.h"
#include "platform/texto.h"

namespace quillora {

class Rotulo {
 public:
  Rotulo(Texto& texto, const Escala& escala) : texto_(texto), escala_(escala) {}

  std::string Caption;  // Windows-1252
  float Left = 0, Top = 0, Width = 0, Height = 0;
  Fonte Font;
  Cor ForeColor = 0;
  Alinhamento Alignment = Alinhamento::Esquerda;
  bool AutoSize = false;
  bool WordWrap = false;

  void SetCaption(const std::string& caption);
  void SetWidth(float twips);
  // Height in twips of one line of the label's font.
  float AlturaLinhaTwips() const;
  // The label's rectangle in client pixels.
  Retangulo EmPixels() const { return escala_.EmPixels(Left, Top, Width, Height); }
  const Escala& escala() const { return escala_; }

 private:
  void AjustarAltura();

  Texto& texto_;
  const Escala& escala_;
};

}  // namespace quillora
