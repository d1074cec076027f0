#pragma once
// Twips and pixels of one form. Form geometry is in twips (1/1440 inch);
// windows, regions and text are in pixels.
#include "platform/geometria.h"
#include "platform/tela.h"

namespace quillora {

class Escala {
 public:
  Escala(int pontosPorPolegadaX, int pontosPorPolegadaY);
  explicit Escala(Tela& tela);

  // Twips per pixel, whole, as the forms report them (15 at 96 dots per inch).
  int TwipsPorPixelX() const { return twipsPorPixelX_; }
  int TwipsPorPixelY() const { return twipsPorPixelY_; }
  // Twips to pixels, to the nearest.
  int Px(float twips) const;
  int Py(float twips) const;
  float TwipsX(int pixels) const;
  float TwipsY(int pixels) const;
  // A rectangle of twips as client pixels: the edges converted, so that
  // rectangles that touch in twips touch in pixels.
  Retangulo EmPixels(float left, float top, float width, float height) const;

 private:
  int twipsPorPixelX_;
  int twipsPorPixelY_;
};

}  // namespace quillora
