#pragma once
// The About dialog: the product, the maker and two links. Built afresh on
// every opening, shown modally, centred on the screen.
#include "platform/janelas.h"

namespace quillora {

struct RotuloSobre {
  const char* texto;
  float left, top, width, height;  // twips
  Fonte fonte;
  Cor cor;
  Alinhamento alinhamento;
};

class FrmSobre : public ManipuladorJanela {
 public:
  explicit FrmSobre(SistemaJanelas& ws) : ws_(ws) {}

  // Shows the dialog modally; returns when it has closed. While it is
  // open, a second request brings it to the front and does nothing else.
  void Mostrar();
  bool Aberto() const { return janela_ != 0; }
  Hwnd hWnd() const { return janela_; }

  void Command1_Click();
  void endereco_Click();
  void email_Click();

  // The fixed design, in twips.
  static const RotuloSobre& endereco();
  static const RotuloSobre& email();

  Cena Desenho() override;
  bool CursorMao(int x, int y) override;
  void MouseDown(int botao, int shift, int x, int y) override;
  void MouseUp(int botao, int shift, int x, int y) override;
  void DuploClique(int botao, int shift, int x, int y) override;
  void Comando(int id) override;
  void Fechar() override;
  // Okay has the focus whenever the dialog is active.
  Hwnd ControleComFoco() override { return command1_; }

 private:
  int Px(float twips) const;
  int Py(float twips) const;
  bool Dentro(const RotuloSobre& r, int x, int y) const;

  SistemaJanelas& ws_;
  Hwnd janela_ = 0;
  Hwnd command1_ = 0;
  const RotuloSobre* pressionado_ = nullptr;
};

}  // namespace quillora
