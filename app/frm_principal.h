#pragma once
// The hidden host form: owner of the tray icon and its menu, and of the
// show-phrase cycle. It is never shown; tray notifications reach it as
// mouse moves.
#include <cstdint>

#include "app/icone_bandeja.h"
#include "phrases/sorteio.h"
#include "platform/formulario.h"
#include "platform/runtime.h"
#include "platform/shell.h"
#include "platform/tela.h"

namespace quillora {

class Aplicacao;

class FrmPrincipal : public Formulario {
 public:
  FrmPrincipal(Runtime& rt, Tela& tela, Janelas& janelas, Shell& shell, Aplicacao& app);

  void Form_Load();
  // Removes the tray icon and ends the program.
  void Form_Unload();
  // The tray callback: X carries the mouse message, in twips.
  void Form_MouseMove(int botao, int shift, float x, float y);
  void MostrarFrase();

  void visivel_Click();
  void enviar_Click();
  void sobre_Click();
  void sair_Click();

  Hwnd hWnd() const { return janela_; }
  bool visivelChecked = true;  // checked at design time
  const IconeBandeja& Bandeja() const { return icone_; }

 protected:
  void MouseMove(Controle c, int botoes, int shift, int x, int y) override;
  void MensagemRegistrada(unsigned mensagem) override;
  // A close request from outside (taskkill, an installer, the Restart
  // Manager) and the session's end leave the way the quit command does.
  void QueryUnload() override { Form_Unload(); }
  void FimDeSessao() override { Form_Unload(); }
  // The screen's scale changed: the tray wants its icon at another size.
  void MudouEscala(int pontosPorPolegada, Retangulo sugerido) override;

 private:
  void MostrarMenu();
  void EncerrarPorFalha(Sorteio falha);

  Runtime& rt_;
  Tela& tela_;
  Janelas& janelas_;
  Shell& shell_;
  Aplicacao& app_;
  Hwnd janela_;
  unsigned taskbarCreated_ = 0;
  IconeBandeja icone_;
  EstadoSorteio estado_;  // what the cycle keeps between calls
  bool cicloEmCurso_ = false;
};

// The mouse message number that the tray callback's X encodes: both
// values rounded half to even, then divided with truncation.
int MensagemDoMouse(float x, float twipsPorPixel);
// The same, where the factor is whole; otherwise X read back in pixels.
int MensagemDaBandeja(float x, float twipsPorPixel);

}  // namespace quillora
