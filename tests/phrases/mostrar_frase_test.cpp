#include "phrases/mostrar_frase.h"

#include <gtest/gtest.h>

#include "app/aplicacao.h"
#include "platform/sim/plataforma_sim.h"
#include "platform/sim/runtime_sim.h"
#include "tests/support/arquivos.h"
#include "tests/support/registros.h"

namespace quillora {
namespace {

class MostrarFraseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rt.arquivos["C:\\Quillora\\dados.lst"] = teste::DoisRegistros();
    rt.bytesPorLeitura = 4096;
  }
  Hwnd Quadro() { return app.frmMural().hWnd(); }
  JanelaSim& JanelaQuadro() { return sim.Janela(Quadro()); }
  template <typename T>
  std::size_t Indice(const T& chamada) {
    return Posicao(sim.chamadas, chamada);
  }

  SimRuntime rt;
  SimPlataforma sim;
  Aplicacao app{rt, {sim, sim, sim, sim, sim}, teste::LerFonte("board/mural.gif")};
};

TEST_F(MostrarFraseTest, StartUpShowsTheFirstPhraseAtTheTopRightThenShapesTheBoard) {
  rt.sorteios = {0.7};
  app.Iniciar();
  FrmMural& mural = app.frmMural();
  EXPECT_EQ(mural.lblFrase.Caption, "Ao vencedor, as batatas!");
  EXPECT_EQ(mural.lblAutor.Caption, "Machado de Assis");
  EXPECT_EQ(mural.lblFrase.Top, 1010);
  // Placed with the design width (355 px), then sized to the picture.
  EXPECT_EQ(JanelaQuadro().x, 1024 - 355);
  EXPECT_EQ(JanelaQuadro().y, 0);
  EXPECT_EQ(JanelaQuadro().w, 350);
  EXPECT_EQ(JanelaQuadro().h, 160);
  EXPECT_TRUE(JanelaQuadro().visivel);
  EXPECT_FALSE(JanelaQuadro().topmost);
  EXPECT_EQ(sim.ordemZ.front(), Quadro());
  EXPECT_EQ(JanelaQuadro().regiao.size(), 150u);
  EXPECT_TRUE(sim.RegiaoContem(Quadro(), 5, 80));
  EXPECT_FALSE(sim.RegiaoContem(Quadro(), 0, 0));
  EXPECT_TRUE(sim.regioesVivas.empty());
  EXPECT_EQ(mural.picFundo.ScaleMode, 1);
  EXPECT_FALSE(app.frmPrincipal().visivelChecked);
  EXPECT_EQ(rt.fsosVivos + rt.fluxosVivos + rt.arquivosAbertos, 0);

  // The cycle's steps in order: placement, show, then the two-step band,
  // all before the board takes its picture's size and shape.
  using enum InserirApos;
  const unsigned flags = kSwpNoMove | kSwpNoSize;
  const std::size_t colocar = Indice(chamada::MoveWindow{Quadro(), {669, 0, 355, 164}});
  const std::size_t mostrar = Indice(chamada::ShowWindow{Quadro(), true});
  const std::size_t topo = Indice(chamada::SetWindowPos{Quadro(), kHwndTopmost, 0, 0, 0, 0, flags});
  const std::size_t fora = Indice(chamada::SetWindowPos{Quadro(), kHwndNoTopmost, 0, 0, 0, 0, flags});
  const std::size_t tamanho = Indice(chamada::MoveWindow{Quadro(), {669, 0, 350, 164}});
  const auto regioes = DoTipo<chamada::SetWindowRgn>(sim.chamadas);
  ASSERT_EQ(regioes.size(), 1u);
  EXPECT_TRUE(regioes[0].redesenhar);
  const std::size_t regiao = Indice(regioes[0]);
  EXPECT_LT(colocar, mostrar);
  EXPECT_LT(mostrar, topo);
  EXPECT_LT(topo, fora);
  EXPECT_LT(fora, tamanho);
  EXPECT_LT(tamanho, regiao);
  EXPECT_LT(regiao, sim.chamadas.size());
}

TEST_F(MostrarFraseTest, LaterCyclesKeepThePlaceUnlessTheBoardIsAtTheTopLeftCorner) {
  app.Iniciar();
  FrmMural& mural = app.frmMural();
  mural.SetLeft(15);  // one pixel away from the corner
  mural.SetTop(0);
  app.frmPrincipal().MostrarFrase();
  EXPECT_EQ(JanelaQuadro().x, 1);
  mural.SetLeft(0);
  app.frmPrincipal().MostrarFrase();
  EXPECT_EQ(JanelaQuadro().x, 1024 - 350);
  EXPECT_EQ(JanelaQuadro().y, 0);
}

TEST_F(MostrarFraseTest, ShowsAHiddenBoardAndKeepsItOnTopWhenAskedTo) {
  app.Iniciar();
  app.frmMural().SetVisible(false);
  app.gManterVisivel = -1;
  app.frmPrincipal().MostrarFrase();
  EXPECT_TRUE(JanelaQuadro().visivel);
  EXPECT_TRUE(JanelaQuadro().topmost);
  app.gManterVisivel = 0;
  app.frmPrincipal().MostrarFrase();
  EXPECT_FALSE(JanelaQuadro().topmost);
}

TEST_F(MostrarFraseTest, AMissingFileEndsTheProgramWithTheMessage) {
  rt.arquivos.clear();
  EXPECT_THROW(app.Iniciar(), ProgramaEncerrado);
  ASSERT_EQ(rt.mensagens.size(), 1u);
  EXPECT_EQ(rt.mensagens[0].texto,
            "Arquivo de Quillora Inexistente!\r\nReinstale o programa novamente !");
  EXPECT_EQ(Indice(chamada::ShowWindow{Quadro(), true}), sim.chamadas.size());
}

}  // namespace
}  // namespace quillora
