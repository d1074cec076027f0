// What the user can do on the board: drag it, e-mail its phrase, hide it,
// all through the simulator's front door.
#include <gtest/gtest.h>

#include <functional>

#include "board/frm_mural.h"
#include "board/posicionar_frase.h"
#include "platform/sim/plataforma_sim.h"

namespace quillora {
namespace {

class InteracoesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mural.SetCaption(mural.lblFrase, "Quem ama o feio, bonito lhe parece.");
    mural.lblFrase.Top = 1010;
    mural.lblAutor.Caption = "Prov\xE9rbio popular";
    mural.SetVisible(true);
  }
  Hwnd Quadro() const { return mural.hWnd(); }
  std::size_t Arrastos() const {
    return DoTipo<chamada::SendMessage>(sim.chamadas).size();
  }
  std::vector<chamada::ShellExecute> Aberturas() const {
    return DoTipo<chamada::ShellExecute>(sim.chamadas);
  }

  SimPlataforma sim;
  FrmMural mural{sim, sim, sim, sim, sim, ""};
};

TEST_F(InteracoesTest, ThePictureDragsWithAnyButtonTheLabelsOnlyWithTheLeftAloneMoving) {
  struct Caso {
    const char* nome;
    std::function<void(SimPlataforma&, Hwnd)> acao;
    std::size_t arrastos;
  };
  const std::vector<Caso> casos = {
      {"left on the picture", [](auto& s, Hwnd q) { s.Pressionar(q, kBotaoEsquerdo, 8, 80); }, 1},
      {"right on the picture", [](auto& s, Hwnd q) { s.Pressionar(q, kBotaoDireito, 8, 80); }, 1},
      {"middle on the picture", [](auto& s, Hwnd q) { s.Pressionar(q, kBotaoMeio, 8, 80); }, 1},
      {"a press on a label", [](auto& s, Hwnd q) { s.Pressionar(q, kBotaoEsquerdo, 170, 72); }, 0},
      {"left held over the phrase",
       [](auto& s, Hwnd q) {
         s.Pressionar(q, kBotaoEsquerdo, 170, 72);
         s.Mover(q, kBotaoEsquerdo, 171, 72);
       },
       1},
      {"left held over the author",
       [](auto& s, Hwnd q) {
         s.Pressionar(q, kBotaoEsquerdo, 300, 140);
         s.Mover(q, kBotaoEsquerdo, 301, 140);
       },
       1},
      {"left and right over a label",
       [](auto& s, Hwnd q) {
         s.Pressionar(q, kBotaoEsquerdo, 170, 72);
         s.Mover(q, kBotaoEsquerdo | kBotaoDireito, 171, 72);
       },
       0},
      {"no button over a label", [](auto& s, Hwnd q) { s.Mover(q, 0, 170, 72); }, 0},
      {"left held from a label onto the picture",
       [](auto& s, Hwnd q) {
         s.Pressionar(q, kBotaoEsquerdo, 170, 72);
         s.Mover(q, kBotaoEsquerdo, 8, 80);
       },
       0},
      {"a press on the envelope", [](auto& s, Hwnd q) { s.Pressionar(q, kBotaoEsquerdo, 35, 140); }, 0},
      {"a press on the cross", [](auto& s, Hwnd q) { s.Pressionar(q, kBotaoEsquerdo, 330, 15); }, 0},
  };
  for (const Caso& c : casos) {
    sim.chamadas.clear();
    c.acao(sim, Quadro());
    sim.Soltar(Quadro(), kBotaoEsquerdo, 0, 0);
    EXPECT_EQ(Arrastos(), c.arrastos) << c.nome;
    if (c.arrastos != 0) {
      ASSERT_GE(sim.chamadas.size(), 2u) << c.nome;
      EXPECT_TRUE(std::holds_alternative<chamada::ReleaseCapture>(sim.chamadas[0])) << c.nome;
      EXPECT_EQ(std::get<chamada::SendMessage>(sim.chamadas[1]),
                (chamada::SendMessage{Quadro(), MensagemJanela::kWmNcLButtonDown,
                                      AreaJanela::kHtCaption, 0}))
          << c.nome;
    }
  }
}

TEST_F(InteracoesTest, AMoveThatSaysTheLeftButtonIsDownWhenItIsUpStartsNoDrag) {
  // The click that closed a menu landed on the label: the board never saw it.
  sim.Mover(Quadro(), kBotaoEsquerdo, 300, 140);
  // A drag took the release: the moves after it, still saying "left down",
  // are stale.
  sim.Pressionar(Quadro(), kBotaoEsquerdo, 8, 80);
  ASSERT_EQ(Arrastos(), 1u);
  sim.botaoEsquerdoFisico = true;  // as Wine's key state may still say
  sim.Mover(Quadro(), kBotaoEsquerdo, 300, 140);
  EXPECT_EQ(Arrastos(), 1u);
}

TEST_F(InteracoesTest, TheEnvelopeMailsThePhraseAndTheCrossHidesTheBoard) {
  sim.Clicar(Quadro(), 35, 140);
  ASSERT_EQ(Aberturas().size(), 1u);
  EXPECT_EQ(Aberturas()[0],
            (chamada::ShellExecute{Quadro(),
                                   "mailto:?subject=Frase ou Prov\xE9rbios&body=Quem ama o feio, "
                                   "bonito lhe parece.%0D%0AProv\xE9rbio popular",
                                   "c:\\", -1}));

  sim.Pressionar(Quadro(), kBotaoEsquerdo, 35, 140);  // released elsewhere: no click
  sim.Soltar(Quadro(), kBotaoEsquerdo, 200, 100);
  sim.Pressionar(Quadro(), kBotaoDireito, 35, 140);  // not the left button
  sim.Soltar(Quadro(), kBotaoDireito, 35, 140);
  EXPECT_EQ(Aberturas().size(), 1u);

  sim.Clicar(Quadro(), 330, 15);
  EXPECT_FALSE(mural.Visible());
  EXPECT_FALSE(sim.Janela(Quadro()).visivel);
}

TEST_F(InteracoesTest, ADoubleClickIsOneClick) {
  sim.DuploClicar(Quadro(), 35, 140);
  EXPECT_EQ(Aberturas().size(), 1u);
  sim.DuploClicar(Quadro(), 330, 15);
  EXPECT_EQ(DoTipo<chamada::ShowWindow>(sim.chamadas).size(), 2u);  // shown, then hidden once
}

TEST_F(InteracoesTest, ACloseRequestHidesTheBoard) {
  sim.PedirFechamento(Quadro());
  EXPECT_FALSE(mural.Visible());
  EXPECT_TRUE(sim.janelas.count(Quadro()));
}

TEST_F(InteracoesTest, TheClickAreasShowTheHandAndCarryTheirTooltips) {
  EXPECT_EQ(sim.PonteiroEm(Quadro(), 30, 137), Ponteiro::Mao);
  EXPECT_EQ(sim.PonteiroEm(Quadro(), 328, 11), Ponteiro::Mao);
  EXPECT_EQ(sim.PonteiroEm(Quadro(), 8, 80), Ponteiro::Padrao);
  EXPECT_EQ(sim.PonteiroEm(Quadro(), 170, 72), Ponteiro::Padrao);
  ASSERT_EQ(sim.dicas.size(), 2u);
  EXPECT_EQ(sim.dicas[0].texto, " Enviar Quillora por email.");
  EXPECT_EQ(sim.dicas[0].r, (Retangulo{28, 136, 25, 13}));
  EXPECT_EQ(sim.dicas[1].texto, " Fechar esse janela.");
  EXPECT_EQ(sim.dicas[1].r, (Retangulo{327, 10, 9, 13}));
}

// A seven-line phrase reaches the cross's area, an eight-line one the
// envelope's: the label lies in front and takes the press.
TEST_F(InteracoesTest, TheLabelsLieInFrontOfTheClickAreas) {
  std::string sete, oito;
  for (int i = 0; i < 8; ++i) (i < 7 ? sete : oito) += std::string(44, 'a' + i) + " ";
  mural.SetCaption(mural.lblFrase, sete);
  PosicionarFrase(mural);
  ASSERT_EQ(mural.lblFrase.Top, 290);
  EXPECT_EQ(sim.PonteiroEm(Quadro(), 328, 21), Ponteiro::Padrao);
  sim.Clicar(Quadro(), 328, 21);
  EXPECT_TRUE(mural.Visible());
  EXPECT_EQ(sim.PonteiroEm(Quadro(), 328, 13), Ponteiro::Mao);  // above the label

  mural.SetCaption(mural.lblFrase, sete + oito);
  PosicionarFrase(mural);  // eight lines keep the last top and run down to 2210
  sim.Clicar(Quadro(), 35, 140);
  EXPECT_TRUE(Aberturas().empty());
}

}  // namespace
}  // namespace quillora
