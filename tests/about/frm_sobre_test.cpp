#include "about/frm_sobre.h"

#include <gtest/gtest.h>

#include "platform/sim/janelas_sim.h"

namespace quillora {
namespace {

class SobreTest : public ::testing::Test {
 protected:
  SimJanelas ws;
  FrmSobre sobre{ws};
  JanelaSim aberta;  // a copy of the dialog as it was while open
};

TEST_F(SobreTest, OpensCentredWithItsDesignAndTheButtonCloses) {
  ws.duranteModal = {[&](Hwnd h) {
    aberta = ws.janelas.at(h);
    sobre.Comando(1);
  }};
  sobre.Mostrar();
  EXPECT_EQ(aberta.titulo, "Sobre o Quillora 1.0");
  EXPECT_EQ(aberta.w, 269);
  EXPECT_EQ(aberta.h, 172);
  EXPECT_EQ(aberta.x, (1024 - 269) / 2);
  EXPECT_EQ(aberta.y, (768 - 172) / 2);
  EXPECT_EQ(aberta.fundo, Rgb(192, 192, 192));
  ASSERT_EQ(ws.botoes.size(), 1u);
  EXPECT_EQ(ws.botoes[0].legenda, "&Okay");
  EXPECT_EQ(ws.botoes[0].x, 80);
  EXPECT_EQ(ws.botoes[0].y, 144);
  EXPECT_EQ(ws.botoes[0].w, 105);
  EXPECT_EQ(ws.botoes[0].h, 25);
  EXPECT_EQ(ws.botoes[0].fonte.nome, "MS Sans Serif");
  EXPECT_FALSE(sobre.Aberto());
  EXPECT_EQ(std::count(ws.chamadas.begin(), ws.chamadas.end(), "DestroyWindow"), 1);
}

TEST_F(SobreTest, EscapeDoesNothingTheCloseBoxCloses) {
  ws.duranteModal = {[&](Hwnd) { sobre.Comando(2); },  // Esc: IDCANCEL
                     [&](Hwnd) { EXPECT_TRUE(sobre.Aberto()); sobre.Fechar(); }};
  sobre.Mostrar();
  EXPECT_TRUE(ws.duranteModal.empty());
  EXPECT_FALSE(sobre.Aberto());
}

TEST_F(SobreTest, TheLinksOpenTheirAddressesOverTheirWholeRectanglesAndStayOpen) {
  ws.duranteModal = {[&](Hwnd) {
    const Cena cena = sobre.Desenho();
    ASSERT_EQ(cena.textos.size(), 6u);
    EXPECT_EQ(cena.textos[3].texto, "http://brenvic.com.br");
    EXPECT_TRUE(cena.textos[3].fonte.sublinhado);
    EXPECT_EQ(cena.textos[3].cor, Rgb(0, 0, 192));
    EXPECT_EQ(cena.textos[5].texto, "frases@brenvic.com.br");
    EXPECT_FALSE(cena.textos[5].fonte.sublinhado);
    EXPECT_EQ(cena.textos[1].fonte.nome, "Comic Sans MS");
    // Right of the address text, inside the label: still the link.
    EXPECT_TRUE(sobre.CursorMao(250, 85));
    EXPECT_FALSE(sobre.CursorMao(40, 85));
    sobre.MouseDown(kBotaoEsquerdo, 0, 250, 85);
    sobre.MouseUp(kBotaoEsquerdo, 0, 250, 85);
    sobre.MouseDown(kBotaoEsquerdo, 0, 100, 115);
    sobre.MouseUp(kBotaoEsquerdo, 0, 100, 115);
    sobre.MouseDown(kBotaoEsquerdo, 0, 40, 20);  // Label1 reacts to nothing
    sobre.MouseUp(kBotaoEsquerdo, 0, 40, 20);
    EXPECT_TRUE(sobre.Aberto());
  }};
  sobre.Mostrar();
  ASSERT_EQ(ws.aberturas.size(), 2u);
  EXPECT_EQ(ws.aberturas[0].arquivo, "http://brenvic.com.br");
  EXPECT_EQ(ws.aberturas[1].arquivo, "mailto:frases@brenvic.com.br");
  EXPECT_EQ(ws.aberturas[1].pasta, "c:\\");
  EXPECT_EQ(ws.aberturas[1].mostrar, -1);
}

TEST_F(SobreTest, ADoubleClickOnALinkOpensItOnce) {
  ws.duranteModal = {[&](Hwnd) {
    sobre.MouseDown(kBotaoEsquerdo, 0, 100, 115);
    sobre.MouseUp(kBotaoEsquerdo, 0, 100, 115);
    sobre.DuploClique(kBotaoEsquerdo, 0, 100, 115);
    sobre.MouseUp(kBotaoEsquerdo, 0, 100, 115);
  }};
  sobre.Mostrar();
  EXPECT_EQ(ws.aberturas.size(), 1u);
}

TEST_F(SobreTest, OkayTakesTheFocusOnActivationAndTheOtherWindowsAreEnabledBeforeItCloses) {
  const Hwnd outra = ws.CriarJanelaQuadro(sobre, 0, 0, 10, 10);
  ws.duranteModal = {[&](Hwnd) {
    ASSERT_EQ(ws.botoes.size(), 1u);
    EXPECT_NE(sobre.ControleComFoco(), 0u);
    EXPECT_FALSE(ws.janelas.at(outra).habilitada);
    sobre.Command1_Click();
  }};
  sobre.Mostrar();
  const auto habilitar = std::find(ws.chamadas.begin(), ws.chamadas.end(),
                                   "EnableWindow " + std::to_string(outra));
  const auto destruir = std::find(ws.chamadas.begin(), ws.chamadas.end(), "DestroyWindow");
  ASSERT_NE(habilitar, ws.chamadas.end());
  EXPECT_LT(habilitar, destruir);
  EXPECT_TRUE(ws.janelas.at(outra).habilitada);
}

}  // namespace
}  // namespace quillora
