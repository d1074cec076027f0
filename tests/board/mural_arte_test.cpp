// The board's artwork at the display scales: the same drawing made at each
// size, its outline, margins, cross and envelope where the design has them
// at that scale.
#include "board/mural_arte.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quillora {
namespace {

struct Tamanho {
  int largura, altura;
};
// 125 % to 300 %: Px(5250) x Py(2400) at each scale Windows offers.
constexpr Tamanho kTamanhos[] = {{438, 200}, {525, 240}, {613, 280}, {700, 320},
                                 {788, 360}, {875, 400}, {963, 440}, {1050, 480}};

bool Transparente(const ImagemIndexada& im, int x, int y) {
  return im.indices[static_cast<std::size_t>(y) * im.largura + x] == kIndiceTransparente;
}

TEST(MuralArte, EveryScaleIsTheDesignsOutlineMirroredWithItsMarginsScaled) {
  const ImagemIndexada projeto = DesenharMural();
  for (const Tamanho t : kTamanhos) {
    SCOPED_TRACE(t.largura);
    const ImagemIndexada im = DesenharMural(t.largura, t.altura);
    ASSERT_EQ(im.largura, t.largura);
    ASSERT_EQ(im.altura, t.altura);
    ASSERT_EQ(im.indices.size(), static_cast<std::size_t>(t.largura) * t.altura);
    EXPECT_EQ(im.paleta.size(), projeto.paleta.size());
    EXPECT_EQ(im.transparente, kIndiceTransparente);
    const double s = t.largura / 350.0;
    int primeiraLinhaOpaca = -1;
    for (int y = 0; y < t.altura; ++y) {
      int esquerda = -1;
      for (int x = 0; x < t.largura; ++x) {
        // Mirrored left to right and top to bottom.
        ASSERT_EQ(Transparente(im, x, y), Transparente(im, t.largura - 1 - x, y)) << x << "," << y;
        ASSERT_EQ(Transparente(im, x, y), Transparente(im, x, t.altura - 1 - y)) << x << "," << y;
        if (esquerda < 0 && !Transparente(im, x, y)) esquerda = x;
      }
      if (esquerda >= 0 && primeiraLinhaOpaca < 0) primeiraLinhaOpaca = y;
      if (y == t.altura / 2) {
        EXPECT_NEAR(esquerda, 5 * s, 1);
      }
    }
    EXPECT_NEAR(primeiraLinhaOpaca, 5 * s, 1);
    // The rounded corner: the top opaque row starts where the design's does.
    int inicioTopo = 0;
    while (Transparente(im, inicioTopo, primeiraLinhaOpaca)) ++inicioTopo;
    EXPECT_NEAR(inicioTopo, 20 * s, 1.5 * s);
  }
}

TEST(MuralArte, TheCrossAndTheEnvelopeStandUnderTheirScaledClickAreas) {
  for (const Tamanho t : kTamanhos) {
    SCOPED_TRACE(t.largura);
    const ImagemIndexada im = DesenharMural(t.largura, t.altura);
    const double s = t.largura / 350.0;
    auto dentro = [s](int x, int y, double x0, double y0, double x1, double y1) {
      return x >= std::floor(x0 * s) - 1 && x <= std::ceil((x1 + 1) * s) &&
             y >= std::floor(y0 * s) - 1 && y <= std::ceil((y1 + 1) * s);
    };
    int azuis = 0, amarelos = 0;
    for (int y = 0; y < t.altura; ++y) {
      for (int x = 0; x < t.largura; ++x) {
        const int i = im.indices[static_cast<std::size_t>(y) * t.largura + x];
        if (i >= 116 && i <= 119) {
          ++azuis;
          ASSERT_TRUE(dentro(x, y, 328, 12, 334, 20)) << "cross at " << x << "," << y;
        }
        if (i >= 120 && i <= 122) {
          ++amarelos;
          ASSERT_TRUE(dentro(x, y, 28, 135, 52, 148)) << "envelope at " << x << "," << y;
        }
      }
    }
    EXPECT_GE(azuis, 20 * s * s);
    EXPECT_GE(amarelos, 150 * s * s);
  }
}

}  // namespace
}  // namespace quillora
