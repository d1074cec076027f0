#pragma once
// Twips and pixels of one form, at its dots per inch. Form geometry is in
// twips (1/1440 inch); windows, regions and text are in pixels.
#include "platform/geometria.h"
#include "platform/tela.h"

namespace quillora {

class Escala {
 public:
  Escala(int pontosPorPolegadaX, int pontosPorPolegadaY);
  explicit Escala(Tela& tela);

  int PontosPorPolegadaX() const { return dpiX_; }
  int PontosPorPolegadaY() const { return dpiY_; }
  // 1440 / dpi, exactly: 15 at 96 dots per inch, 7.5 at 192.
  float TwipsPorPixelX() const;
  float TwipsPorPixelY() const;
  // Twips to pixels, to the nearest.
  int Px(float twips) const;
  int Py(float twips) const;
  float TwipsX(int pixels) const;
  float TwipsY(int pixels) const;
  // A rectangle of twips as client pixels: the edges converted, so that
  // rectangles that touch in twips touch in pixels.
  Retangulo EmPixels(float left, float top, float width, float height) const;
  bool operator==(const Escala&) const = default;

 private:
  int dpiX_;
  int dpiY_;
};

}  // namespace quillora
