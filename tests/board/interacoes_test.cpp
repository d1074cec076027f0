// What the user can do on the board: drag it, e-mail its phrase, hide it.
#include <gtest/gtest.h>

#include "board/frm_mural.h"
#include "platform/sim/janelas_sim.h"

namespace quillora {
namespace {

class InteracoesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mural.SetCaption(mural.lblFrase, "Quem ama o feio, bonito lhe parece.");
    mural.lblFrase.Top = 1010;
    mural.lblAutor.Caption = "Prov\xE9rbio popular";
  }
  int Arrastos() const {
    return static_cast<int>(std::count(ws.chamadas.begin(), ws.chamadas.end(),
                                       "SendMessage 161 2 0"));
  }

  SimJanelas ws;
  FrmMural mural{ws, ""};
};

TEST_F(InteracoesTest, ThePictureDragsWithAnyButtonTheLabelsOnlyWithTheLeftAlone) {
  struct Case {
    const char* name;
    std::function<void(FrmMural&)> acao;
    int arrastos;
  };
  const std::vector<Case> cases = {
      {"left on picture", [](FrmMural& m) { m.MouseDown(kBotaoEsquerdo, 0, 8, 80); }, 1},
      {"right on picture", [](FrmMural& m) { m.MouseDown(kBotaoDireito, 0, 8, 80); }, 1},
      {"middle on picture", [](FrmMural& m) { m.MouseDown(kBotaoMeio, 0, 8, 80); }, 1},
      {"press on a label", [](FrmMural& m) { m.MouseDown(kBotaoEsquerdo, 0, 170, 72); }, 0},
      {"left held over the phrase",
       [](FrmMural& m) { m.MouseDown(kBotaoEsquerdo, 0, 170, 72); m.MouseMove(1, 0, 171, 72); }, 1},
      {"left held over the author",
       [](FrmMural& m) { m.MouseDown(kBotaoEsquerdo, 0, 300, 140); m.MouseMove(1, 0, 301, 140); }, 1},
      {"left and right over a label", [](FrmMural& m) { m.MouseMove(3, 0, 170, 72); }, 0},
      {"no button over a label", [](FrmMural& m) { m.MouseMove(0, 0, 170, 72); }, 0},
      {"left held over the picture", [](FrmMural& m) { m.MouseMove(1, 0, 8, 80); }, 0},
      {"press on the envelope", [](FrmMural& m) { m.MouseDown(kBotaoEsquerdo, 0, 35, 140); }, 0},
      {"press on the cross", [](FrmMural& m) { m.MouseDown(kBotaoEsquerdo, 0, 330, 15); }, 0},
  };
  for (const Case& c : cases) {
    ws.chamadas.clear();
    c.acao(mural);
    EXPECT_EQ(Arrastos(), c.arrastos) << c.name;
    if (c.arrastos) {
      EXPECT_EQ(ws.chamadas.front(), "ReleaseCapture") << c.name;
    }
  }
}

TEST_F(InteracoesTest, TheEnvelopeMailsThePhraseAndTheCrossHidesTheBoard) {
  mural.SetVisible(true);
  mural.MouseDown(kBotaoEsquerdo, 0, 35, 140);
  mural.MouseUp(kBotaoEsquerdo, 0, 36, 141);
  ASSERT_EQ(ws.aberturas.size(), 1u);
  EXPECT_EQ(ws.aberturas[0].arquivo,
            "mailto:?subject=Frase ou Prov\xE9rbios&body=Quem ama o feio, bonito lhe parece."
            "%0D%0AProv\xE9rbio popular");
  EXPECT_EQ(ws.aberturas[0].dono, mural.hWnd());
  EXPECT_EQ(ws.aberturas[0].pasta, "c:\\");
  EXPECT_EQ(ws.aberturas[0].mostrar, -1);

  mural.MouseDown(kBotaoEsquerdo, 0, 35, 140);  // released elsewhere: no click
  mural.MouseUp(kBotaoEsquerdo, 0, 200, 100);
  mural.MouseDown(kBotaoDireito, 0, 35, 140);   // not the left button
  mural.MouseUp(kBotaoDireito, 0, 35, 140);
  EXPECT_EQ(ws.aberturas.size(), 1u);

  mural.MouseDown(kBotaoEsquerdo, 0, 330, 15);
  mural.MouseUp(kBotaoEsquerdo, 0, 330, 15);
  EXPECT_FALSE(mural.Visible());
  EXPECT_FALSE(ws.janelas.at(mural.hWnd()).visivel);
}

TEST_F(InteracoesTest, ADoubleClickIsOneClick) {
  mural.SetVisible(true);
  for (auto [x, y] : {std::pair{35, 140}, std::pair{330, 15}}) {
    mural.MouseDown(kBotaoEsquerdo, 0, x, y);
    mural.MouseUp(kBotaoEsquerdo, 0, x, y);
    mural.DuploClique(kBotaoEsquerdo, 0, x, y);
    mural.MouseUp(kBotaoEsquerdo, 0, x, y);
  }
  EXPECT_EQ(ws.aberturas.size(), 1u);
  EXPECT_EQ(std::count(ws.chamadas.begin(), ws.chamadas.end(), "ShowWindow 0"), 1);
}

TEST_F(InteracoesTest, AMoveThatSaysTheLeftButtonIsDownWhenItIsUpStartsNoDrag) {
  // The click that closed a menu landed on the label: the board never saw it.
  mural.MouseMove(kBotaoEsquerdo, 0, 300, 140);
  // Pressed here, but the system says the button is up now.
  mural.MouseDown(kBotaoEsquerdo, 0, 170, 72);
  ws.botaoEsquerdoFisico = false;
  mural.MouseMove(kBotaoEsquerdo, 0, 171, 72);
  // Pressed, and a move to the very point of the press: no movement.
  ws.botaoEsquerdoFisico = true;
  mural.MouseDown(kBotaoEsquerdo, 0, 300, 140);
  mural.MouseMove(kBotaoEsquerdo, 0, 300, 140);
  EXPECT_EQ(Arrastos(), 0);
  // A drag took the release: the moves after it are stale.
  mural.MouseDown(kBotaoEsquerdo, 0, 8, 80);
  EXPECT_EQ(Arrastos(), 1);
  mural.MouseMove(kBotaoEsquerdo, 0, 300, 140);
  EXPECT_EQ(Arrastos(), 1);
}

TEST_F(InteracoesTest, ACloseRequestHidesTheBoard) {
  mural.SetVisible(true);
  mural.Fechar();
  EXPECT_FALSE(mural.Visible());
  EXPECT_FALSE(ws.janelas.at(mural.hWnd()).visivel);
}

TEST_F(InteracoesTest, TheClickAreasShowTheHandAndCarryTheirTooltips) {
  EXPECT_TRUE(mural.CursorMao(30, 137));
  EXPECT_TRUE(mural.CursorMao(328, 11));
  EXPECT_FALSE(mural.CursorMao(8, 80));
  EXPECT_FALSE(mural.CursorMao(170, 72));
  ASSERT_EQ(ws.dicas.size(), 2u);
  EXPECT_EQ(ws.dicas[0].texto, " Enviar Quillora por email.");
  EXPECT_EQ(ws.dicas[0].x, 28);
  EXPECT_EQ(ws.dicas[0].y, 136);
  EXPECT_EQ(ws.dicas[1].texto, " Fechar esse janela.");
  EXPECT_EQ(ws.dicas[1].x, 327);
  EXPECT_EQ(ws.dicas[1].y, 10);
}

}  // namespace
}  // namespace quillora
