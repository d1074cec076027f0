#include "about/frm_sobre.h"

#include <gtest/gtest.h>

#include "platform/sim/plataforma_sim.h"

namespace quillora {
namespace {

class SobreTest : public ::testing::Test {
 protected:
  Hwnd Okay() const { return sim.botoes.back().janela; }
  std::vector<chamada::ShellExecute> Aberturas() const {
    return DoTipo<chamada::ShellExecute>(sim.chamadas);
  }

  SimPlataforma sim;
  FrmSobre sobre{sim, sim, sim, sim};
  JanelaSim aberta;  // a copy of the dialog as it was while open
};

TEST_F(SobreTest, OpensCentredWithItsDesignAndTheButtonCloses) {
  Cena cena;
  sim.duranteModal = {[&](Hwnd h) {
    aberta = sim.Janela(h);
    cena = sobre.Desenho();
    sim.ClicarBotao(Okay());
  }};
  sobre.Mostrar();
  EXPECT_EQ(aberta.titulo, "Sobre o Quillora 1.0");
  EXPECT_EQ(aberta.tipo, TipoJanela::Dialogo);
  EXPECT_EQ(aberta.w, 269);
  EXPECT_EQ(aberta.h, 172);
  EXPECT_EQ(aberta.x, (1024 - 269) / 2);
  EXPECT_EQ(aberta.y, (768 - 172) / 2);
  EXPECT_EQ(cena.corFundo, Rgb(192, 192, 192));
  ASSERT_EQ(sim.botoes.size(), 1u);
  EXPECT_EQ(sim.botoes[0].legenda, "&Okay");
  EXPECT_EQ(sim.botoes[0].r, (Retangulo{80, 144, 105, 25}));
  EXPECT_EQ(sim.botoes[0].fonte.nome, "MS Sans Serif");
  EXPECT_FALSE(sobre.Aberto());
  EXPECT_EQ(DoTipo<chamada::DestroyWindow>(sim.chamadas).size(), 1u);
}

TEST_F(SobreTest, EscapeDoesNothingTheCloseBoxCloses) {
  sim.duranteModal = {[&](Hwnd h) { sim.Comando(h, 2); },  // Esc: IDCANCEL
                      [&](Hwnd h) {
                        EXPECT_TRUE(sobre.Aberto());
                        sim.PedirFechamento(h);
                      }};
  sobre.Mostrar();
  EXPECT_TRUE(sim.duranteModal.empty());
  EXPECT_FALSE(sobre.Aberto());
}

TEST_F(SobreTest, TheLinksOpenTheirAddressesOverTheirWholeRectanglesAndStayOpen) {
  sim.duranteModal = {[&](Hwnd h) {
    const Cena cena = sobre.Desenho();
    ASSERT_EQ(cena.rotulos.size(), 6u);
    EXPECT_EQ(sobre.endereco.Caption, "http://brenvic.com.br");
    EXPECT_TRUE(sobre.endereco.Font.sublinhado);
    EXPECT_EQ(sobre.endereco.ForeColor, Rgb(0, 0, 192));
    EXPECT_EQ(sobre.email.Caption, "frases@brenvic.com.br");
    EXPECT_FALSE(sobre.email.Font.sublinhado);
    EXPECT_EQ(sobre.Label2.Font.nome, "Comic Sans MS");
    // Right of the address text, inside the label: still the link.
    EXPECT_EQ(sim.PonteiroEm(h, 250, 85), Ponteiro::Mao);
    EXPECT_EQ(sim.PonteiroEm(h, 40, 85), Ponteiro::Padrao);
    sim.Clicar(h, 250, 85);
    sim.Clicar(h, 100, 115);
    sim.Clicar(h, 40, 20);  // Label1 reacts to nothing
    sim.DuploClicar(h, 100, 115);  // once more, once
    EXPECT_TRUE(sobre.Aberto());
  }};
  sobre.Mostrar();
  ASSERT_EQ(Aberturas().size(), 3u);
  EXPECT_EQ(Aberturas()[0].arquivo, "http://brenvic.com.br");
  EXPECT_EQ(Aberturas()[1], (chamada::ShellExecute{Aberturas()[1].dono,
                                                    "mailto:frases@brenvic.com.br", "c:\\", -1}));
  EXPECT_EQ(Aberturas()[2].arquivo, "mailto:frases@brenvic.com.br");
}

TEST_F(SobreTest, OkayHasTheFocusOnEveryActivation) {
  sim.duranteModal = {[&](Hwnd h) {
    EXPECT_EQ(sim.foco, Okay());  // on opening
    sim.foco = {};                // the user visits another window
    sim.Ativar(h);                // and comes back
    EXPECT_EQ(sim.foco, Okay());
  }};
  sobre.Mostrar();
}

TEST_F(SobreTest, IsModalAndEnablesTheOtherWindowsBeforeItGoes) {
  FrmSobre outra(sim, sim, sim, sim);  // any other window of the program
  const Hwnd quadro = sim.CriarJanela(outra, TipoJanela::Quadro, "", {0, 0, 10, 10});
  Hwnd dialogo;
  sim.duranteModal = {[&](Hwnd h) {
    dialogo = h;
    EXPECT_FALSE(sim.Janela(quadro).habilitada);
    sim.Clicar(quadro, 5, 5);  // takes no input
    sim.ClicarBotao(Okay());
  }};
  sobre.Mostrar();
  const std::size_t habilitar = Posicao(sim.chamadas, chamada::EnableWindow{quadro, true});
  const std::size_t destruir = Posicao(sim.chamadas, chamada::DestroyWindow{dialogo});
  ASSERT_LT(destruir, sim.chamadas.size());
  EXPECT_LT(habilitar, destruir);
  EXPECT_TRUE(sim.Janela(quadro).habilitada);
}

}  // namespace
}  // namespace quillora
