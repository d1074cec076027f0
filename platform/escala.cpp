#include "platform/escala.h"

#include <cmath>

namespace quillora {
namespace {

constexpr double kTwipsPorPolegada = 1440;

int Valido(int pontosPorPolegada) { return pontosPorPolegada > 0 ? pontosPorPolegada : 96; }

int Pixels(float twips, int dpi) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / kTwipsPorPolegada));
}

}  // namespace

Escala::Escala(int pontosPorPolegadaX, int pontosPorPolegadaY)
    : dpiX_(Valido(pontosPorPolegadaX)), dpiY_(Valido(pontosPorPolegadaY)) {}

Escala::Escala(Tela& tela) : Escala(tela.PontosPorPolegadaX(), tela.PontosPorPolegadaY()) {}

float Escala::TwipsPorPixelX() const { return static_cast<float>(kTwipsPorPolegada / dpiX_); }
float Escala::TwipsPorPixelY() const { return static_cast<float>(kTwipsPorPolegada / dpiY_); }

int Escala::Px(float twips) const { return Pixels(twips, dpiX_); }
int Escala::Py(float twips) const { return Pixels(twips, dpiY_); }

float Escala::TwipsX(int pixels) const {
  return static_cast<float>(pixels * kTwipsPorPolegada / dpiX_);
}

float Escala::TwipsY(int pixels) const {
  return static_cast<float>(pixels * kTwipsPorPolegada / dpiY_);
}

Retangulo Escala::EmPixels(float left, float top, float width, float height) const {
  const int x = Px(left);
  const int y = Py(top);
  return {x, y, Px(left + width) - x, Py(top + height) - y};
}

}  // namespace quillora
