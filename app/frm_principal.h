#pragma once
// The hidden host form: owner of the tray icon and its menu. It is never
// shown; tray notifications reach it as mouse moves.
#include <cstdint>

#include "app/bandeja.h"
#include "platform/janelas.h"

namespace quillora {

class Aplicacao;

class FrmPrincipal : public ManipuladorJanela {
 public:
  explicit FrmPrincipal(Aplicacao& app);

  void Form_Load();
  void Form_Unload();
  // The tray callback: X carries the mouse message, in twips.
  void Form_MouseMove(int botao, int shift, float x, float y);

  void visivel_Click();
  void enviar_Click();
  void sobre_Click();
  void sair_Click();

  Hwnd hWnd() const { return janela_; }
  bool visivelChecked = true;  // checked at design time
  const RegistroBandeja& Bandeja() const { return bandeja_; }
  // Removes the tray icon if it was added (on the way out after a failure).
  void RemoverIconeSeAdicionado();

  void MouseMove(int botoes, int shift, int x, int y) override;
  void MensagemRegistrada(unsigned mensagem) override;
  // Asked to close from outside (taskkill, an installer, the Restart
  // Manager) or the session ends: the same way out as the quit command.
  void Fechar() override { Form_Unload(); }
  void FimDeSessao() override { Form_Unload(); }

 private:
  void MostrarMenu();

  Aplicacao& app_;
  Hwnd janela_ = 0;
  unsigned taskbarCreated_ = 0;
  bool iconeAdicionado_ = false;
  RegistroBandeja bandeja_;
};

// The mouse message number that the tray callback's X encodes: both
// values rounded half to even, then divided with truncation.
int MensagemDoMouse(float x, float twipsPorPixel);

}  // namespace quillora
