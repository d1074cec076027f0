#include "board/posicionar_frase.h"

#include <gtest/gtest.h>

#include "platform/sim/plataforma_sim.h"

namespace quillora {
namespace {

// A caption of `linhas` lines in the simulated text model: each word fills
// a whole line of the label.
std::string Linhas(int linhas) {
  std::string texto;
  for (int i = 0; i < linhas; ++i) texto += (i ? " " : "") + std::string(40, 'a' + i);
  return texto;
}

TEST(PosicionarFrase, CentresOneToSevenLinesAndLeavesTheTopForMore) {
  SimPlataforma sim;
  sim.larguraCaractere = 7;  // 313 px: 44 characters a line
  FrmMural mural(sim, sim, sim, sim, sim, "");
  EXPECT_EQ(mural.lblFrase.Top, 285);
  mural.SetCaption(mural.lblFrase, Linhas(8));
  PosicionarFrase(mural);
  EXPECT_EQ(mural.lblFrase.Height, 1920);
  EXPECT_EQ(mural.lblFrase.Top, 285);  // the design value

  const float topos[] = {1010, 890, 770, 650, 530, 410, 290};
  for (int n = 1; n <= 7; ++n) {
    mural.lblFrase.Width = 1;  // a stale width: it is set on every call
    mural.lblFrase.Left = 0;
    mural.SetCaption(mural.lblFrase, Linhas(n));
    PosicionarFrase(mural);
    EXPECT_EQ(mural.lblFrase.Height, 240 * n);
    EXPECT_EQ(mural.lblFrase.Top, topos[n - 1]) << n << " lines";
    EXPECT_EQ(mural.lblFrase.Width, 4695);
    EXPECT_EQ(mural.lblFrase.Left, 255);
  }
  mural.SetCaption(mural.lblFrase, Linhas(9));
  PosicionarFrase(mural);
  EXPECT_EQ(mural.lblFrase.Top, 290);  // kept from the last match
}

TEST(PosicionarFrase, CentresLinesOfAnotherHeightTheSameWay) {
  SimPlataforma sim;
  sim.alturaLinhaPx = 15;  // 225-twip lines, as under other fonts
  FrmMural mural(sim, sim, sim, sim, sim, "");
  for (int n = 1; n <= 7; ++n) {
    mural.SetCaption(mural.lblFrase, Linhas(n));
    PosicionarFrase(mural);
    EXPECT_EQ(mural.lblFrase.Top, 1130 - 225 * n / 2.0f) << n << " lines";
  }
  mural.SetCaption(mural.lblFrase, Linhas(8));
  PosicionarFrase(mural);
  EXPECT_EQ(mural.lblFrase.Top, 1130 - 225 * 7 / 2.0f);
}

}  // namespace
}  // namespace quillora
