#pragma once
// A form: the events it answers to, named as the forms name them, and the
// one translation from the window system's events to those events, which
// both backends drive.
#include <optional>
#include <vector>

#include "platform/eventos.h"
#include "platform/janelas.h"
#include "platform/rotulo.h"

namespace quillora {

// A control of a form, as its hit test names it; 0 is the form itself.
using Controle = int;

// What a form paints: a background (a persistent image, or a colour, or
// else the system button face) and its labels.
struct Cena {
  Hdc fundo;
  std::optional<Cor> corFundo;
  std::vector<const Rotulo*> rotulos;
};

class Formulario {
 public:
  explicit Formulario(Janelas& janelas) : janelas_(janelas) {}
  virtual ~Formulario() = default;
  Formulario(const Formulario&) = delete;
  Formulario& operator=(const Formulario&) = delete;

  // The one door from the window system.
  Resposta Entregar(const Evento& evento);
  virtual Cena Desenho() { return {}; }

 protected:
  // The control at a client pixel, those in front first.
  virtual Controle ControleEm(int /*x*/, int /*y*/) const { return 0; }
  virtual void MouseDown(Controle, int /*botao*/, int /*shift*/, int /*x*/, int /*y*/) {}
  virtual void MouseMove(Controle, int /*botoes*/, int /*shift*/, int /*x*/, int /*y*/) {}
  virtual void MouseUp(Controle, int /*botao*/, int /*shift*/, int /*x*/, int /*y*/) {}
  // The left button went down and came up on the same control.
  virtual void Click(Controle) {}
  virtual void DblClick(Controle) {}
  virtual Ponteiro MousePointer(Controle) const { return Ponteiro::Padrao; }
  virtual void Comando(int /*id*/) {}
  virtual void QueryUnload() {}
  virtual void FimDeSessao() {}
  // The control that takes the keyboard focus whenever the form is
  // activated; none for the window itself.
  virtual Hwnd ControleComFoco() const { return {}; }
  virtual void MensagemRegistrada(unsigned /*mensagem*/) {}
  // The window was moved to a screen of another scale, or its screen's
  // scale changed.
  virtual void MudouEscala(int /*pontosPorPolegada*/, Retangulo /*sugerido*/) {}

  // For a handler that has started the system's caption move: the move
  // took the button's release, which the form will never see.
  void SoltoPeloSistema() {
    esquerdoAqui_ = false;
    pressionado_.reset();
  }

  Janelas& janelas() { return janelas_; }

 private:
  void Pressionar(const Evento& e);
  void Soltar(const Evento& e);
  void DuploClique(const Evento& e);
  void Mover(const Evento& e);
  bool EsquerdoDeVerdade(int x, int y);

  Janelas& janelas_;
  std::optional<Controle> pressionado_;  // where the left button went down
  bool esquerdoAqui_ = false;            // it went down here and has not come up
  int xPressao_ = 0, yPressao_ = 0;
};

}  // namespace quillora
