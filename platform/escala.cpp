#include "platform/escala.h"

#include <cmath>

namespace quillora {
namespace {

int TwipsPorPixel(int pontosPorPolegada) {
  return pontosPorPolegada > 0 ? 1440 / pontosPorPolegada : 15;
}

}  // namespace

Escala::Escala(int pontosPorPolegadaX, int pontosPorPolegadaY)
    : twipsPorPixelX_(TwipsPorPixel(pontosPorPolegadaX)),
      twipsPorPixelY_(TwipsPorPixel(pontosPorPolegadaY)) {}

Escala::Escala(Tela& tela) : Escala(tela.PontosPorPolegadaX(), tela.PontosPorPolegadaY()) {}

int Escala::Px(float twips) const {
  return static_cast<int>(std::lround(twips / static_cast<float>(twipsPorPixelX_)));
}

int Escala::Py(float twips) const {
  return static_cast<int>(std::lround(twips / static_cast<float>(twipsPorPixelY_)));
}

float Escala::TwipsX(int pixels) const { return static_cast<float>(pixels * twipsPorPixelX_); }
float Escala::TwipsY(int pixels) const { return static_cast<float>(pixels * twipsPorPixelY_); }

Retangulo Escala::EmPixels(float left, float top, float width, float height) const {
  const int x = Px(left);
  const int y = Py(top);
  return {x, y, Px(left + width) - x, Py(top + height) - y};
}

}  // namespace quillora
