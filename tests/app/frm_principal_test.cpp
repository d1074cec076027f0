#include "app/frm_principal.h"

#include <gtest/gtest.h>

#include "app/aplicacao.h"
#include "platform/escala.h"
#include "platform/sim/plataforma_sim.h"
#include "platform/sim/runtime_sim.h"
#include "tests/support/arquivos.h"
#include "tests/support/registros.h"

namespace quillora {
namespace {

TEST(MensagemDoMouse, DecodesTheTrayCallbackWithEitherFactor) {
  struct Caso {
    float x, fator;
    int mensagem;
  };
  for (const Caso& c : {Caso{514 * 15.0f, 15, 514}, Caso{514 * 12.0f, 12, 514},
                        Caso{517 * 15.0f, 15, 517}, Caso{517 * 12.0f, 12, 517},
                        Caso{7724.5f, 15, 514},   // rounds to 7724 (half to even)
                        Caso{7725.5f, 15, 515},   // rounds to 7726
                        Caso{7708.5f, 15, 513},   // rounds to 7708, 513.87 truncates
                        Caso{7710.0f, 14.5f, 550}}) {  // the factor rounds to 14
    EXPECT_EQ(MensagemDoMouse(c.x, c.fator), c.mensagem) << c.x << " / " << c.fator;
  }
}

// Whole factors keep the decoding above; at 192 dots per inch (7.5) it
// would make a left release (514) 481, so there the number comes back from
// the callback's pixels.
TEST(MensagemDaBandeja, GivesTheMouseMessageAtEveryScale) {
  for (const int dpi : {96, 120, 144, 192, 110}) {
    const Escala s(dpi, dpi);
    for (const int mensagem : {0x200, 0x202, 0x205}) {
      EXPECT_EQ(MensagemDaBandeja(s.TwipsX(mensagem), s.TwipsPorPixelX()), mensagem)
          << dpi << " dpi, message " << mensagem;
    }
  }
  EXPECT_EQ(MensagemDoMouse(514 * 7.5f, 7.5f), 481);
  EXPECT_EQ(MensagemDaBandeja(7724.5f, 15), 514);  // whole factor: the designed rounding
  EXPECT_EQ(MensagemDaBandeja(7708.5f, 15), 513);
}

// The whole program over the simulated window system, driven as the user
// and the shell drive it.
class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rt.arquivos["C:\\Quillora\\dados.lst"] = teste::DoisRegistros();
    rt.bytesPorLeitura = 4096;
  }
  FrmPrincipal& host() { return app.frmPrincipal(); }
  Hwnd Quadro() { return app.frmMural().hWnd(); }
  JanelaSim& JanelaQuadro() { return sim.Janela(Quadro()); }
  // The shell tells the icon's window of a mouse message over it.
  void Bandeja(unsigned codigo) { sim.NotificarBandeja(codigo); }
  std::vector<chamada::TrackPopupMenu> Menus() {
    return DoTipo<chamada::TrackPopupMenu>(sim.chamadas);
  }
  std::vector<chamada::ShellExecute> Aberturas() {
    return DoTipo<chamada::ShellExecute>(sim.chamadas);
  }

  SimRuntime rt;
  SimPlataforma sim;
  Aplicacao app{rt, {sim, sim, sim, sim, sim}, teste::LerFonte("board/mural.gif")};
};

TEST_F(ShellTest, StartUpAddsOneIconWithItsTooltipAndLeavesTheMenuUnchecked) {
  app.Iniciar();
  ASSERT_EQ(sim.icones.size(), 1u);
  const RegistroIcone& icone = sim.icones.begin()->second;
  EXPECT_EQ(icone.hWnd, host().hWnd());
  EXPECT_EQ(icone.uID, 100u);
  EXPECT_EQ(icone.uCallbackMessage, 0x200u);
  EXPECT_STREQ(icone.szTip, "Quillora");
  EXPECT_FALSE(host().visivelChecked);
  EXPECT_EQ(app.gManterVisivel, 0);
  EXPECT_FALSE(sim.Janela(host().hWnd()).visivel);
  EXPECT_EQ(sim.Janela(host().hWnd()).titulo, "Form1");
  EXPECT_EQ(sim.Janela(host().hWnd()).tipo, TipoJanela::Oculta);
  EXPECT_TRUE(JanelaQuadro().visivel);
}

TEST_F(ShellTest, ASecondCopyEndsSilentlyBeforeItsIconOrAnyWindowShows) {
  rt.outraCopia = true;
  EXPECT_THROW(app.Iniciar(), ProgramaEncerrado);
  EXPECT_TRUE(sim.icones.empty());
  EXPECT_TRUE(rt.mensagens.empty());
  for (const auto& [h, j] : sim.janelas) EXPECT_FALSE(j.visivel);
}

TEST_F(ShellTest, LeftReleaseDrawsRightReleaseOpensTheMenuAndTheRestIsIgnored) {
  app.Iniciar();
  const auto aberturasAntes = rt.aberturas;
  for (unsigned codigo : {0x200, 0x201, 0x203, 0x204, 0x206, 0x207, 0x208, 0x209}) {
    Bandeja(codigo);
  }
  EXPECT_EQ(rt.aberturas, aberturasAntes);
  EXPECT_TRUE(Menus().empty());
  Bandeja(0x202);
  EXPECT_EQ(rt.aberturas, aberturasAntes + 2);  // one more cycle: two opens
  Bandeja(0x205);
  ASSERT_EQ(Menus().size(), 1u);
  EXPECT_EQ(Menus()[0].dono, host().hWnd());
  const std::vector<ItemMenu> itens = {{"Manter Quadro Sempre v\xEDsivel", false},
                                       {"Enviar &Frase ou Prov\xE9rbio", false},
                                       {"&Sobre a Brenvic", false},
                                       {"&Encerrar Quillora", false}};
  EXPECT_EQ(Menus()[0].itens, itens);
}

TEST_F(ShellTest, KeepVisibleTogglesTheFlagTheCheckAndTheBandAtOnce) {
  app.Iniciar();
  sim.Clicar(Quadro(), 330, 15);  // a hidden board changes band but stays hidden
  sim.escolhasMenu = {0};
  Bandeja(0x205);
  EXPECT_EQ(app.gManterVisivel, -1);
  EXPECT_TRUE(host().visivelChecked);
  EXPECT_TRUE(JanelaQuadro().topmost);
  EXPECT_FALSE(JanelaQuadro().visivel);
  Bandeja(0x202);  // the next phrase shows it, kept on top
  EXPECT_TRUE(JanelaQuadro().visivel);
  EXPECT_TRUE(JanelaQuadro().topmost);
  sim.escolhasMenu = {0};
  Bandeja(0x205);
  EXPECT_TRUE(Menus().back().itens[0].marcado);
  EXPECT_EQ(app.gManterVisivel, 0);
  EXPECT_FALSE(host().visivelChecked);
  EXPECT_FALSE(JanelaQuadro().topmost);
}

TEST_F(ShellTest, SuggestionOpensTheMailProgramFromTheHost) {
  app.Iniciar();
  sim.escolhasMenu = {1};
  Bandeja(0x205);
  ASSERT_EQ(Aberturas().size(), 1u);
  EXPECT_EQ(Aberturas()[0],
            (chamada::ShellExecute{host().hWnd(),
                                   "mailto:frases@brenvic.com.br?subject=Sugest\xE3o de Frase ou "
                                   "Prov\xE9rbios&body=Frase ou Prov\xE9rbio: %0D%0AAutor: ",
                                   "c:\\", -1}));
}

TEST_F(ShellTest, QuitRemovesTheIconThenEnds) {
  app.Iniciar();
  sim.escolhasMenu = {3};
  EXPECT_THROW(Bandeja(0x205), ProgramaEncerrado);
  EXPECT_TRUE(sim.icones.empty());
  EXPECT_EQ(DoTipo<chamada::Shell_NotifyIcon>(sim.chamadas).back().mensagem,
            MensagemIcone::kNimDelete);
}

TEST_F(ShellTest, ADismissedMenuDoesNothing) {
  app.Iniciar();
  sim.escolhasMenu = {std::nullopt};
  const std::size_t antes = sim.chamadas.size();
  Bandeja(0x205);
  EXPECT_EQ(sim.chamadas.size(), antes + 1);  // the menu itself, and nothing after
}

TEST_F(ShellTest, AnUnusableFileShowsTheMessageThenRemovesTheIconThenEnds) {
  app.Iniciar();
  rt.arquivos.clear();
  bool iconeDuranteAMensagem = false;
  rt.duranteMensagem = [&] { iconeDuranteAMensagem = !sim.icones.empty(); };
  EXPECT_THROW(Bandeja(0x202), ProgramaEncerrado);
  ASSERT_EQ(rt.mensagens.size(), 1u);
  EXPECT_EQ(rt.mensagens[0].titulo, "Quillora 1.0");
  EXPECT_EQ(rt.mensagens[0].estilo, 16);
  EXPECT_EQ(rt.mensagens[0].texto,
            "Arquivo de Quillora Inexistente!\r\nReinstale o programa novamente !");
  EXPECT_TRUE(iconeDuranteAMensagem);
  EXPECT_TRUE(sim.icones.empty());
  EXPECT_EQ(rt.chamadas.back(), "End");
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
  EXPECT_TRUE(Menus().empty());
  EXPECT_TRUE(sim.icones.empty());
}

TEST_F(ShellTest, ACloseRequestOrTheSessionsEndLeavesTheWayQuitDoes) {
  for (const bool sessao : {false, true}) {
    SimRuntime rt2;
    rt2.arquivos["C:\\Quillora\\dados.lst"] = teste::DoisRegistros();
    SimPlataforma sim2;
    Aplicacao app2{rt2, {sim2, sim2, sim2, sim2, sim2}, teste::LerFonte("board/mural.gif")};
    app2.Iniciar();
    ASSERT_EQ(sim2.icones.size(), 1u);
    if (sessao) {
      EXPECT_THROW(sim2.EncerrarSessao(), ProgramaEncerrado);
    } else {
      EXPECT_THROW(sim2.PedirFechamento(app2.frmPrincipal().hWnd()), ProgramaEncerrado);
    }
    EXPECT_TRUE(sim2.icones.empty()) << sessao;
    EXPECT_EQ(rt2.chamadas.back(), "End") << sessao;
  }
}

TEST_F(ShellTest, ABoardDraggedExactlyToTheTopLeftCornerGoesBackToTheTopRight) {
  struct Caso {
    int x, y;     // where the user drops the board
    int depoisX;  // where the next phrase leaves it
  };
  for (const Caso& c : {Caso{0, 0, 1024 - 350}, Caso{1, 0, 1}, Caso{0, 1, 0}}) {
    SimRuntime rt2;
    rt2.arquivos["C:\\Quillora\\dados.lst"] = teste::DoisRegistros();
    SimPlataforma sim2;
    Aplicacao app2{rt2, {sim2, sim2, sim2, sim2, sim2}, teste::LerFonte("board/mural.gif")};
    app2.Iniciar();
    const Hwnd quadro = app2.frmMural().hWnd();
    sim2.destinosArrasto = {{c.x, c.y}};
    sim2.Pressionar(quadro, kBotaoEsquerdo, 8, 80);  // the picture: a drag
    sim2.NotificarBandeja(0x202);
    EXPECT_EQ(sim2.Janela(quadro).x, c.depoisX) << c.x << "," << c.y;
    EXPECT_EQ(sim2.Janela(quadro).y, c.y) << c.x << "," << c.y;
  }
}

TEST_F(ShellTest, TheIconComesBackWhenTheTaskbarIsRecreated) {
  app.Iniciar();
  sim.RecriarBarraDeTarefas();
  ASSERT_EQ(sim.icones.size(), 1u);
  EXPECT_STREQ(sim.icones.begin()->second.szTip, "Quillora");
}

TEST_F(ShellTest, AboutIsModalAndASecondRequestOnlyBringsItToTheFront) {
  app.Iniciar();
  sim.escolhasMenu = {2, 2};
  bool estavaDesabilitado = false;
  sim.duranteModal = {[&](Hwnd) {
                        estavaDesabilitado = !JanelaQuadro().habilitada;
                        Bandeja(0x205);  // About again, from the tray
                      },
                      [&](Hwnd) { sim.ClicarBotao(sim.botoes.back().janela); }};
  Bandeja(0x205);
  EXPECT_TRUE(estavaDesabilitado);
  EXPECT_EQ(DoTipo<chamada::ModalBegin>(sim.chamadas).size(), 1u);
  const auto frente = DoTipo<chamada::SetForegroundWindow>(sim.chamadas);
  EXPECT_EQ(frente.size(), 2u);  // as it opened, and for the second request
  EXPECT_TRUE(JanelaQuadro().habilitada);
  EXPECT_FALSE(app.frmSobre().Aberto());
}

}  // namespace
}  // namespace quillora
