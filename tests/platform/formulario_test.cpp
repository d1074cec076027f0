// The one translation from the window system's events to a form's events,
// driven through the simulator's front door as Windows delivers input.
#include "platform/formulario.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/sim/plataforma_sim.h"

namespace quillora {
namespace {

// Two controls side by side: 1 on the left half, 2 on the right.
class FormDeTeste : public Formulario {
 public:
  FormDeTeste(SimPlataforma& sim, TipoJanela tipo) : Formulario(sim) {
    janela = sim.CriarJanela(*this, tipo, "", {0, 0, 100, 100});
  }
  Hwnd janela;
  Hwnd foco;
  std::vector<std::string> eventos;

 protected:
  Controle ControleEm(int x, int /*y*/) const override { return x < 50 ? 1 : 2; }
  void MouseDown(Controle c, int botao, int, int, int) override {
    Anotar("MouseDown", c, botao);
  }
  void MouseMove(Controle c, int botoes, int, int, int) override {
    Anotar("MouseMove", c, botoes);
  }
  void MouseUp(Controle c, int botao, int, int, int) override { Anotar("MouseUp", c, botao); }
  void Click(Controle c) override { Anotar("Click", c, 0); }
  void DblClick(Controle c) override { Anotar("DblClick", c, 0); }
  Ponteiro MousePointer(Controle c) const override {
    return c == 2 ? Ponteiro::Mao : Ponteiro::Padrao;
  }
  void QueryUnload() override { eventos.push_back("QueryUnload"); }
  void FimDeSessao() override { eventos.push_back("FimDeSessao"); }
  Hwnd ControleComFoco() const override { return foco; }

 private:
  void Anotar(const char* nome, Controle c, int botoes) {
    eventos.push_back(std::string(nome) + " " + std::to_string(c) +
                      (botoes ? " " + std::to_string(botoes) : ""));
  }
};

using Eventos = std::vector<std::string>;

TEST(Formulario, AClickIsTheLeftButtonDownAndUpOnTheSameControl) {
  SimPlataforma sim;
  FormDeTeste form(sim, TipoJanela::Quadro);
  sim.Clicar(form.janela, 10, 10);
  EXPECT_EQ(form.eventos, (Eventos{"MouseDown 1 1", "MouseUp 1 1", "Click 1"}));

  form.eventos.clear();
  sim.Pressionar(form.janela, kBotaoEsquerdo, 10, 10);
  sim.Soltar(form.janela, kBotaoEsquerdo, 60, 10);  // released on the other control
  sim.Pressionar(form.janela, kBotaoDireito, 60, 10);
  sim.Soltar(form.janela, kBotaoDireito, 60, 10);  // not the left button
  EXPECT_EQ(form.eventos,
            (Eventos{"MouseDown 1 1", "MouseUp 2 1", "MouseDown 2 2", "MouseUp 2 2"}));
}

TEST(Formulario, ADoubleClickIsOneClickAndOneDblClickWhereTheWindowTellsThemApart) {
  SimPlataforma sim;
  FormDeTeste quadro(sim, TipoJanela::Quadro);
  sim.DuploClicar(quadro.janela, 10, 10);
  EXPECT_EQ(quadro.eventos,
            (Eventos{"MouseDown 1 1", "MouseUp 1 1", "Click 1", "DblClick 1", "MouseUp 1 1"}));

  FormDeTeste oculta(sim, TipoJanela::Oculta);  // two clicks, to a window without double clicks
  sim.DuploClicar(oculta.janela, 10, 10);
  EXPECT_EQ(oculta.eventos, (Eventos{"MouseDown 1 1", "MouseUp 1 1", "Click 1", "MouseDown 1 1",
                                     "MouseUp 1 1", "Click 1"}));
}

TEST(Formulario, AMoveSaysTheLeftButtonIsHeldOnlyWhenItReallyIs) {
  SimPlataforma sim;
  FormDeTeste form(sim, TipoJanela::Quadro);
  struct Caso {
    const char* nome;
    std::function<void()> antes;
    int x;
    const char* esperado;
  };
  const std::vector<Caso> casos = {
      {"a stale move, no press seen", [] {}, 20, "MouseMove 1"},
      {"pressed here and moved",
       [&] { sim.Pressionar(form.janela, kBotaoEsquerdo, 10, 10); }, 20, "MouseMove 1 1"},
      {"to the very point of the press",
       [&] { sim.Pressionar(form.janela, kBotaoEsquerdo, 20, 10); }, 20, "MouseMove 1"},
      {"pressed, but the button is up now",
       [&] {
         sim.Pressionar(form.janela, kBotaoEsquerdo, 10, 10);
         sim.botaoEsquerdoFisico = false;
       },
       20, "MouseMove 1"},
      {"pressed and released",
       [&] { sim.Clicar(form.janela, 10, 10); }, 20, "MouseMove 1"},
  };
  for (const Caso& c : casos) {
    c.antes();
    form.eventos.clear();
    sim.Mover(form.janela, kBotaoEsquerdo, c.x, 10);
    ASSERT_EQ(form.eventos.size(), 1u) << c.nome;
    EXPECT_EQ(form.eventos[0], c.esperado) << c.nome;
    sim.Soltar(form.janela, kBotaoEsquerdo, c.x, 10);
  }
}

TEST(Formulario, PointerFocusCloseAndSessionEndReachTheForm) {
  SimPlataforma sim;
  FormDeTeste form(sim, TipoJanela::Dialogo);
  EXPECT_EQ(sim.PonteiroEm(form.janela, 10, 10), Ponteiro::Padrao);
  EXPECT_EQ(sim.PonteiroEm(form.janela, 60, 10), Ponteiro::Mao);

  sim.Ativar(form.janela);  // no control to focus: the window keeps it
  EXPECT_TRUE(DoTipo<chamada::SetFocus>(sim.chamadas).empty());
  form.foco = Hwnd{0x77};
  sim.Ativar(form.janela);
  EXPECT_EQ(sim.foco, Hwnd{0x77});

  sim.PedirFechamento(form.janela);
  sim.EncerrarSessao();
  EXPECT_EQ(form.eventos, (Eventos{"QueryUnload", "FimDeSessao"}));
}

TEST(Formulario, ADisabledWindowTakesNoInputButHearsACloseRequest) {
  SimPlataforma sim;
  FormDeTeste form(sim, TipoJanela::Quadro);
  sim.Janela(form.janela).habilitada = false;
  sim.Clicar(form.janela, 10, 10);
  sim.Mover(form.janela, 0, 20, 20);
  sim.PedirFechamento(form.janela);
  EXPECT_EQ(form.eventos, (Eventos{"QueryUnload"}));
}

}  // namespace
}  // namespace quillora
