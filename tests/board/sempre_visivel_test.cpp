#include "board/sempre_visivel.h"

#include <gtest/gtest.h>

#include "platform/sim/plataforma_sim.h"

namespace quillora {
namespace {

class Nada : public Formulario {
 public:
  using Formulario::Formulario;
};

TEST(SempreVisivel, OnlyTrueEntersTheBandAndNothingMovesOrShows) {
  SimPlataforma sim;
  Nada dono(sim);
  const Hwnd outra = sim.CriarJanela(dono, TipoJanela::Quadro, "", {0, 0, 10, 10});
  const Hwnd janela = sim.CriarJanela(dono, TipoJanela::Quadro, "", {7, 8, 9, 10});
  struct Caso {
    std::int16_t flag;
    bool topmost;
    InserirApos depoisDe;
  };
  for (const Caso& c : {Caso{-1, true, InserirApos::kHwndTopmost},
                        Caso{0, false, InserirApos::kHwndNoTopmost},
                        Caso{1, false, InserirApos::kHwndNoTopmost}}) {
    SempreVisivel(sim, janela, c.flag);
    EXPECT_EQ(std::get<chamada::SetWindowPos>(sim.chamadas.back()),
              (chamada::SetWindowPos{janela, c.depoisDe, 0, 0, 0, 0, kSwpNoMove | kSwpNoSize}))
        << c.flag;
    EXPECT_EQ(sim.Janela(janela).topmost, c.topmost) << c.flag;
    EXPECT_EQ(sim.RetanguloJanela(janela), (Retangulo{7, 8, 9, 10}));
    EXPECT_FALSE(sim.Janela(janela).visivel);
  }
  // True then False leaves it outside the band but in front of the others.
  SempreVisivel(sim, janela, -1);
  SempreVisivel(sim, janela, 0);
  EXPECT_EQ(sim.ordemZ.front(), janela);
  EXPECT_NE(sim.ordemZ.front(), outra);
}

}  // namespace
}  // namespace quillora
