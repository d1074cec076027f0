#include "board/criar_regiao.h"

#include <gtest/gtest.h>

#include "platform/sim/plataforma_sim.h"
#include "tests/support/arquivos.h"

namespace quillora {
namespace {

class CriarRegiaoTest : public ::testing::Test {
 protected:
  // A picture box in pixel scale holding `linhas` ('#' opaque, '.' key).
  CaixaImagem Caixa(const std::vector<std::string>& linhas) {
    Imagem im;
    im.altura = static_cast<int>(linhas.size());
    im.largura = static_cast<int>(linhas[0].size());
    for (const auto& l : linhas) {
      for (char c : l) im.pixels.push_back(c == '#' ? Rgb(10, 20, 30) : Rgb(240, 240, 240));
    }
    CaixaImagem caixa;
    caixa.ScaleMode = 3;
    caixa.hDC = sim.CriarImagemPersistente(im);
    caixa.ScaleWidth = static_cast<float>(im.largura);
    caixa.ScaleHeight = static_cast<float>(im.altura);
    return caixa;
  }
  std::vector<RetanguloSim> Retangulos(Hrgn r) { return sim.regioesVivas.at(r); }

  SimPlataforma sim;
};

TEST_F(CriarRegiaoTest, OneRectanglePerRunIncludingRunsThatReachTheRightEdge) {
  const Hrgn r = CriarRegiao(sim, Caixa({"..##.#.##",
                                        "#########",
                                        "........."}));
  ASSERT_TRUE(r);
  const std::vector<RetanguloSim> esperado = {
      {2, 0, 4, 1}, {5, 0, 6, 1}, {7, 0, 9, 1}, {0, 1, 9, 2}};
  EXPECT_EQ(Retangulos(r), esperado);
  // The first is kept, each later one merged and freed at once.
  EXPECT_EQ(sim.regioesVivas.size(), 1u);
  EXPECT_EQ(sim.leiturasPixel, 1 + 27);
}

TEST_F(CriarRegiaoTest, AnOpaqueTopLeftPixelMakesItsColourTheKey) {
  const Hrgn r = CriarRegiao(sim, Caixa({"#..",
                                        ".#."}));
  const std::vector<RetanguloSim> esperado = {{1, 0, 3, 1}, {0, 1, 1, 2}, {2, 1, 3, 2}};
  EXPECT_EQ(Retangulos(r), esperado);
}

TEST_F(CriarRegiaoTest, AnAllKeyPictureGivesANullRegion) {
  EXPECT_FALSE(CriarRegiao(sim, Caixa({"...", "..."})));
  EXPECT_TRUE(sim.regioesVivas.empty());
}

TEST_F(CriarRegiaoTest, TheBoardPictureGives150RowsOfTheRoundedOutline) {
  const auto im = ComporGif(teste::LerFonte("board/mural.gif"), sim.faceBotao);
  ASSERT_TRUE(im);
  CaixaImagem caixa;
  caixa.ScaleMode = 3;
  caixa.hDC = sim.CriarImagemPersistente(*im);
  caixa.ScaleWidth = 350;
  caixa.ScaleHeight = 160;
  const Hrgn r = CriarRegiao(sim, caixa);
  const std::vector<RetanguloSim> rects = Retangulos(r);
  ASSERT_EQ(rects.size(), 150u);
  const int esquerda[15] = {20, 18, 16, 15, 14, 12, 11, 10, 10, 9, 8, 7, 7, 6, 6};
  for (int i = 0; i < 150; ++i) {
    const int y = 5 + i;
    const int espelho = y < 80 ? y : 159 - y;
    const int a = espelho < 20 ? esquerda[espelho - 5] : 5;
    EXPECT_EQ(rects[i], (RetanguloSim{a, y, 350 - a, y + 1})) << "row " << y;
  }
  EXPECT_EQ(sim.leiturasPixel, 56001);
}

}  // namespace
}  // namespace quillora
