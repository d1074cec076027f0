#include "app/sempre_visivel.h"

#include <gtest/gtest.h>

#include "platform/sim/janelas_sim.h"

namespace quillora {
namespace {

TEST(SempreVisivel, OnlyTrueEntersTheBandAndNothingMovesOrShows) {
  SimJanelas ws;
  ManipuladorJanela dono;
  const Hwnd outra = ws.CriarJanelaQuadro(dono, 0, 0, 10, 10);
  const Hwnd janela = ws.CriarJanelaQuadro(dono, 7, 8, 9, 10);
  struct Case {
    std::int16_t flag;
    bool topmost;
    const char* chamada;
  };
  for (const Case& c : {Case{-1, true, "SetWindowPos -1 0 0 0 0 3"},
                        Case{0, false, "SetWindowPos -2 0 0 0 0 3"},
                        Case{1, false, "SetWindowPos -2 0 0 0 0 3"}}) {
    SempreVisivel(ws, janela, c.flag);
    EXPECT_EQ(ws.chamadas.back(), c.chamada) << c.flag;
    EXPECT_EQ(ws.janelas[janela].topmost, c.topmost) << c.flag;
    EXPECT_EQ(ws.janelas[janela].x, 7);
    EXPECT_EQ(ws.janelas[janela].w, 9);
    EXPECT_FALSE(ws.janelas[janela].visivel);
  }
  // True then False leaves it outside the band but in front of the others.
  SempreVisivel(ws, janela, -1);
  SempreVisivel(ws, janela, 0);
  EXPECT_EQ(ws.ordemZ.front(), janela);
  EXPECT_NE(ws.ordemZ.front(), outra);
}

}  // namespace
}  // namespace quillora
