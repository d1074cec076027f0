#include "app/frm_principal.h"

#include <gtest/gtest.h>

#include "app/aplicacao.h"
#include "platform/sim/janelas_sim.h"
#include "platform/sim/runtime_sim.h"
#include "tests/support/arquivos.h"
#include "tests/support/registros.h"

namespace quillora {
namespace {

TEST(MensagemDoMouse, DecodesTheTrayCallbackWithEitherFactor) {
  struct Case {
    float x, fator;
    int mensagem;
  };
  for (const Case& c : {Case{514 * 15.0f, 15, 514}, Case{514 * 12.0f, 12, 514},
                        Case{517 * 15.0f, 15, 517}, Case{517 * 12.0f, 12, 517},
                        Case{7724.5f, 15, 514},   // rounds to 7724 (half to even)
                        Case{7725.5f, 15, 515},   // rounds to 7726
                        Case{7708.5f, 15, 513},   // rounds to 7708, 513.87 truncates
                        Case{7710.0f, 14.5f, 550}}) {  // the factor rounds to 14
    EXPECT_EQ(MensagemDoMouse(c.x, c.fator), c.mensagem) << c.x << " / " << c.fator;
  }
}

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rt.arquivos["C:\\Quillora\\dados.lst"] = teste::DoisRegistros();
    rt.bytesPorLeitura = 4096;
  }
  FrmPrincipal& host() { return app.frmPrincipal(); }
  JanelaSim& Quadro() { return ws.janelas.at(app.frmMural().hWnd()); }
  // The tray sends its callback; the host sees a mouse move at x = code.
  void Bandeja(int codigo) { host().MouseMove(0, 0, codigo, 0); }

  SimRuntime rt;
  SimJanelas ws;
  Aplicacao app{rt, ws, teste::LerFonte("board/mural.gif")};
};

TEST_F(ShellTest, StartUpAddsOneIconWithItsTooltipAndLeavesTheMenuUnchecked) {
  app.Iniciar();
  ASSERT_EQ(ws.icones.size(), 1u);
  const DadosIconeBandeja& icone = ws.icones.begin()->second;
  EXPECT_EQ(icone.hWnd, host().hWnd());
  EXPECT_EQ(icone.uID, 100u);
  EXPECT_EQ(icone.uCallbackMessage, 0x200u);
  EXPECT_STREQ(icone.szTip, "Quillora");
  EXPECT_FALSE(host().visivelChecked);
  EXPECT_EQ(app.gManterVisivel, 0);
  EXPECT_FALSE(ws.janelas.at(host().hWnd()).visivel);
  EXPECT_EQ(ws.janelas.at(host().hWnd()).titulo, "Form1");
  EXPECT_TRUE(Quadro().visivel);
}

TEST_F(ShellTest, ASecondCopyEndsSilentlyBeforeItsIconOrAnyWindowShows) {
  rt.outraCopia = true;
  EXPECT_THROW(app.Iniciar(), ProgramaEncerrado);
  EXPECT_TRUE(ws.icones.empty());
  EXPECT_TRUE(rt.mensagens.empty());
  for (const auto& [h, j] : ws.janelas) EXPECT_FALSE(j.visivel);
}

TEST_F(ShellTest, LeftReleaseDrawsRightReleaseOpensTheMenuAndTheRestIsIgnored) {
  app.Iniciar();
  const auto aberturasAntes = rt.aberturas;
  for (int codigo : {0x200, 0x201, 0x203, 0x204, 0x206, 0x207, 0x208, 0x209}) Bandeja(codigo);
  EXPECT_EQ(rt.aberturas, aberturasAntes);
  EXPECT_TRUE(ws.menus.empty());
  Bandeja(0x202);
  EXPECT_EQ(rt.aberturas, aberturasAntes + 2);  // one more cycle: two opens
  Bandeja(0x205);
  ASSERT_EQ(ws.menus.size(), 1u);
  const std::vector<std::string> legendas = {"Manter Quadro Sempre v\xEDsivel",
                                             "Enviar &Frase ou Prov\xE9rbio",
                                             "&Sobre a Brenvic", "&Encerrar Quillora"};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(ws.menus[0][i].legenda, legendas[i]);
    EXPECT_FALSE(ws.menus[0][i].marcado);
  }
}

TEST_F(ShellTest, KeepVisibleTogglesTheFlagTheCheckAndTheBandAtOnce) {
  app.Iniciar();
  app.frmMural().imgFechar_Click();  // a hidden board changes band but stays hidden
  ws.escolhasMenu = {0};
  Bandeja(0x205);
  EXPECT_EQ(app.gManterVisivel, -1);
  EXPECT_TRUE(host().visivelChecked);
  EXPECT_TRUE(Quadro().topmost);
  EXPECT_FALSE(Quadro().visivel);
  Bandeja(0x202);  // the next phrase shows it, kept on top
  EXPECT_TRUE(Quadro().visivel);
  EXPECT_TRUE(Quadro().topmost);
  ws.escolhasMenu = {0};
  Bandeja(0x205);
  EXPECT_TRUE(ws.menus.back()[0].marcado);
  EXPECT_EQ(app.gManterVisivel, 0);
  EXPECT_FALSE(host().visivelChecked);
  EXPECT_FALSE(Quadro().topmost);
}

TEST_F(ShellTest, SuggestionOpensTheMailProgramFromTheHost) {
  app.Iniciar();
  ws.escolhasMenu = {1};
  Bandeja(0x205);
  ASSERT_EQ(ws.aberturas.size(), 1u);
  EXPECT_EQ(ws.aberturas[0].dono, host().hWnd());
  EXPECT_EQ(ws.aberturas[0].arquivo.substr(0, 29), "mailto:frases@brenvic.com.br?");
  EXPECT_EQ(ws.aberturas[0].pasta, "c:\\");
  EXPECT_EQ(ws.aberturas[0].mostrar, -1);
}

TEST_F(ShellTest, QuitRemovesTheIconThenEnds) {
  app.Iniciar();
  ws.escolhasMenu = {3};
  EXPECT_THROW(Bandeja(0x205), ProgramaEncerrado);
  EXPECT_TRUE(ws.icones.empty());
  EXPECT_EQ(ws.notificacoes.back().first, kNimDelete);
}

TEST_F(ShellTest, AnUnusableFileRemovesTheIconBeforeTheProgramEnds) {
  app.Iniciar();
  rt.arquivos.clear();
  EXPECT_THROW(Bandeja(0x202), ProgramaEncerrado);
  EXPECT_EQ(rt.mensagens.size(), 1u);
  EXPECT_TRUE(ws.icones.empty());
}

TEST_F(ShellTest, WhileTheFailureMessageIsUpTrayClicksStartNothing) {
  app.Iniciar();
  rt.arquivos.clear();
  rt.duranteMensagem = [&] {
    Bandeja(0x202);
    Bandeja(0x205);
  };
  EXPECT_THROW(Bandeja(0x202), ProgramaEncerrado);
  EXPECT_EQ(rt.mensagens.size(), 1u);
  EXPECT_TRUE(ws.menus.empty());
  EXPECT_TRUE(ws.icones.empty());
}

TEST_F(ShellTest, ACloseRequestOrTheSessionsEndLeavesTheWayQuitDoes) {
  for (auto pedido : {&FrmPrincipal::Fechar, &FrmPrincipal::FimDeSessao}) {
    SimRuntime rt2;
    rt2.arquivos["C:\\Quillora\\dados.lst"] = teste::DoisRegistros();
    SimJanelas ws2;
    Aplicacao app2{rt2, ws2, teste::LerFonte("board/mural.gif")};
    app2.Iniciar();
    ASSERT_EQ(ws2.icones.size(), 1u);
    EXPECT_THROW((app2.frmPrincipal().*pedido)(), ProgramaEncerrado);
    EXPECT_TRUE(ws2.icones.empty());
    EXPECT_EQ(rt2.chamadas.back(), "End");
  }
}

TEST_F(ShellTest, ABoardDraggedExactlyToTheTopLeftCornerGoesBackToTheTopRight) {
  struct Case {
    int x, y;       // where the user drops the board
    int depoisX;    // where the next phrase leaves it
  };
  for (const Case& c : {Case{0, 0, 1024 - 350}, Case{1, 0, 1}, Case{0, 1, 0}}) {
    SimRuntime rt2;
    rt2.arquivos["C:\\Quillora\\dados.lst"] = teste::DoisRegistros();
    SimJanelas ws2;
    Aplicacao app2{rt2, ws2, teste::LerFonte("board/mural.gif")};
    app2.Iniciar();
    ws2.destinosArrasto = {{c.x, c.y}};
    app2.frmMural().MouseDown(kBotaoEsquerdo, 0, 8, 80);  // the picture: a drag
    app2.frmPrincipal().MouseMove(0, 0, 0x202, 0);
    const JanelaSim& quadro = ws2.janelas.at(app2.frmMural().hWnd());
    EXPECT_EQ(quadro.x, c.depoisX) << c.x << "," << c.y;
    EXPECT_EQ(quadro.y, c.y) << c.x << "," << c.y;
  }
}

TEST_F(ShellTest, TheIconComesBackWhenTheTaskbarIsRecreated) {
  app.Iniciar();
  ws.icones.clear();  // the shell restarted and forgot it
  host().MensagemRegistrada(ws.taskbarCreated + 1);
  EXPECT_TRUE(ws.icones.empty());
  host().MensagemRegistrada(ws.taskbarCreated);
  ASSERT_EQ(ws.icones.size(), 1u);
  EXPECT_STREQ(ws.icones.begin()->second.szTip, "Quillora");
}

TEST_F(ShellTest, AboutIsModalAndASecondRequestOnlyBringsItToTheFront) {
  app.Iniciar();
  ws.escolhasMenu = {2, 2};
  bool estavaDesabilitado = false;
  ws.duranteModal = {[&](Hwnd) {
                       estavaDesabilitado = !Quadro().habilitada;
                       Bandeja(0x205);  // About again, from the tray
                     },
                     [&](Hwnd dialogo) { ws.janelas.at(dialogo).dono->Comando(1); }};
  Bandeja(0x205);
  EXPECT_TRUE(estavaDesabilitado);
  EXPECT_EQ(std::count(ws.chamadas.begin(), ws.chamadas.end(), "ModalBegin"), 1);
  EXPECT_EQ(std::count(ws.chamadas.begin(), ws.chamadas.end(), "SetForegroundWindow"), 1);
  EXPECT_TRUE(Quadro().habilitada);
  EXPECT_FALSE(app.frmSobre().Aberto());
}

}  // namespace
}  // namespace quillora
