#pragma once
// The About dialog: the product, the maker and two links. Built afresh on
// every opening, shown modally, centred on the screen.
#include <array>

#include "platform/escala.h"
#include "platform/formulario.h"
#include "platform/modal.h"
#include "platform/rotulo.h"
#include "platform/shell.h"
#include "platform/tela.h"

namespace quillora {

class FrmSobre : public Formulario {
  // First: the labels are built on these.
  Tela& tela_;
  Janelas& janelas_;
  Shell& shell_;
  Escala escala_;

 public:
  FrmSobre(Tela& tela, Janelas& janelas, Texto& texto, Shell& shell);

  // Shows the dialog modally; returns when it has closed. While it is
  // open, a second request brings it to the front and does nothing else.
  void Mostrar();
  bool Aberto() const { return static_cast<bool>(janela_); }
  Hwnd hWnd() const { return janela_; }

  void Command1_Click();
  void endereco_Click();
  void email_Click();

  Rotulo Label1, Label2;
  std::array<Rotulo, 2> Label6;
  Rotulo endereco, email;

  enum : Controle { kFundo = 0, kEndereco, kEmail };
  // The links are the only controls that react to the mouse.
  Controle ControleEm(int x, int y) const override;
  Cena Desenho() override;

 protected:
  void Click(Controle c) override;
  Ponteiro MousePointer(Controle c) const override;
  void Comando(int id) override;
  // The close box and the system's close command close it as Okay does.
  void QueryUnload() override { Command1_Click(); }
  // Okay has the focus whenever the dialog is active.
  Hwnd ControleComFoco() const override { return command1_; }
  // Dragged to a screen of another scale: where the system suggests, drawn
  // for that scale.
  void MudouEscala(int pontosPorPolegada, Retangulo sugerido) override;

 private:
  void Centralizar();
  Retangulo RetanguloOkay() const;

  DialogoModal modal_;
  Hwnd janela_;
  Hwnd command1_;
};

}  // namespace quillora
