#include "phrases/mostrar_frase.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/aplicacao.h"
#include "platform/sim/janelas_sim.h"
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
  JanelaSim& Quadro() { return ws.janelas.at(app.frmMural().hWnd()); }
  std::size_t Indice(const std::string& chamada) {
    return static_cast<std::size_t>(
        std::find(ws.chamadas.begin(), ws.chamadas.end(), chamada) - ws.chamadas.begin());
  }

  SimRuntime rt;
  SimJanelas ws;
  Aplicacao app{rt, ws, teste::LerFonte("board/mural.gif")};
};

TEST_F(MostrarFraseTest, StartUpShowsTheFirstPhraseAtTheTopRightThenShapesTheBoard) {
  rt.sorteios = {0.7};
  app.Iniciar();
  FrmMural& mural = app.frmMural();
  EXPECT_EQ(mural.lblFrase.Caption, "Ao vencedor, as batatas!");
  EXPECT_EQ(mural.lblAutor.Caption, "Machado de Assis");
  EXPECT_EQ(mural.lblFrase.Top, 1010);
  // Placed with the design width (355 px), then sized to the picture.
  EXPECT_EQ(Quadro().x, 1024 - 355);
  EXPECT_EQ(Quadro().y, 0);
  EXPECT_EQ(Quadro().w, 350);
  EXPECT_EQ(Quadro().h, 160);
  EXPECT_TRUE(Quadro().visivel);
  EXPECT_FALSE(Quadro().topmost);
  EXPECT_EQ(ws.ordemZ.front(), mural.hWnd());
  EXPECT_EQ(Quadro().regiao.size(), 150u);
  EXPECT_TRUE(ws.RegiaoContem(mural.hWnd(), 5, 80));
  EXPECT_FALSE(ws.RegiaoContem(mural.hWnd(), 0, 0));
  EXPECT_TRUE(ws.regioesVivas.empty());
  EXPECT_EQ(mural.picFundo.ScaleMode, 1);
  EXPECT_FALSE(app.frmPrincipal().visivelChecked);
  EXPECT_EQ(rt.fsosVivos + rt.fluxosVivos + rt.arquivosAbertos, 0);

  // The cycle's steps in order: placement, show, then the two-step band,
  // all before the board takes its picture's size and shape.
  const std::size_t colocar = Indice("MoveWindow 669 0 355 164");
  const std::size_t mostrar = Indice("ShowWindow 1");
  const std::size_t topo = Indice("SetWindowPos -1 0 0 0 0 3");
  const std::size_t fora = Indice("SetWindowPos -2 0 0 0 0 3");
  const std::size_t tamanho = Indice("MoveWindow 669 0 350 164");
  const std::size_t regiao = Indice("SetWindowRgn 1 1");
  EXPECT_LT(colocar, mostrar);
  EXPECT_LT(mostrar, topo);
  EXPECT_LT(topo, fora);
  EXPECT_LT(fora, tamanho);
  EXPECT_LT(tamanho, regiao);
  EXPECT_LT(regiao, ws.chamadas.size());
}

TEST_F(MostrarFraseTest, LaterCyclesKeepThePlaceUnlessTheBoardIsAtTheTopLeftCorner) {
  app.Iniciar();
  FrmMural& mural = app.frmMural();
  mural.SetLeft(15);  // one pixel away from the corner
  mural.SetTop(0);
  app.MostrarFrase();
  EXPECT_EQ(Quadro().x, 1);
  mural.SetLeft(0);
  app.MostrarFrase();
  EXPECT_EQ(Quadro().x, 1024 - 350);
  EXPECT_EQ(Quadro().y, 0);
}

TEST_F(MostrarFraseTest, ShowsAHiddenBoardAndKeepsItOnTopWhenAskedTo) {
  app.Iniciar();
  app.frmMural().SetVisible(false);
  app.gManterVisivel = -1;
  app.MostrarFrase();
  EXPECT_TRUE(Quadro().visivel);
  EXPECT_TRUE(Quadro().topmost);
  app.gManterVisivel = 0;
  app.MostrarFrase();
  EXPECT_FALSE(Quadro().topmost);
}

TEST_F(MostrarFraseTest, AMissingFileEndsTheProgramWithTheMessage) {
  rt.arquivos.clear();
  EXPECT_THROW(app.Iniciar(), ProgramaEncerrado);
  ASSERT_EQ(rt.mensagens.size(), 1u);
  EXPECT_EQ(rt.mensagens[0].texto,
            "Arquivo de Quillora Inexistente!\r\nReinstale o programa novamente !");
  EXPECT_EQ(std::count(ws.chamadas.begin(), ws.chamadas.end(), "ShowWindow 1"), 0);
}

}  // namespace
}  // namespace quillora
