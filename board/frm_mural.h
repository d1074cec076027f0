#pragma once
// The board: a borderless window cut to the shape of its picture, holding
// the phrase and author labels and two click areas. Geometry is in twips.
#include <functional>
#include <string>

#include "board/caixa_imagem.h"
#include "platform/escala.h"
#include "platform/formulario.h"
#include "platform/regioes.h"
#include "platform/rotulo.h"
#include "platform/shell.h"
#include "platform/tela.h"

namespace quillora {

// An image control without a picture: a click area with the hand pointer
// and a tooltip.
struct AreaImagem {
  float Left = 0, Top = 0, Width = 0, Height = 0;
  std::string ToolTipText;
};

class FrmMural : public Formulario {
  // First: the labels are built on these.
  Janelas& janelas_;
  Regioes& regioes_;
  Shell& shell_;
  Escala escala_;

 public:
  // Creates the hidden window at its design place and size.
  FrmMural(Tela& tela, Janelas& janelas, Regioes& regioes, Texto& texto, Shell& shell,
           std::string gifQuadro);

  // The load step; `carregarPrincipal` loads the host form first.
  void Form_Load(const std::function<void()>& carregarPrincipal);
  // The board goes to a screen of another scale (or its screen's scale
  // changes): drawn again for it, its top-left corner where it was.
  void MudouEscala(int pontosPorPolegada, Retangulo sugerido) override;

  Hwnd hWnd() const { return janela_; }
  // The window's real place and size, read afresh: the user may drag it.
  float Left() const;
  float Top() const;
  float Width() const;
  float Height() const;
  void SetLeft(float twips);
  void SetTop(float twips);
  void SetWidth(float twips);
  void SetHeight(float twips);
  bool Visible() const { return visivel_; }
  void SetVisible(bool visivel);
  int BorderStyle = 0;
  const Escala& escala() const { return escala_; }

  // The labels' texts; the board repaints them.
  void SetCaption(Rotulo& rotulo, const std::string& texto);

  Rotulo lblFrase;
  Rotulo lblAutor;
  AreaImagem imgEmail;
  AreaImagem imgFechar;
  CaixaImagem picFundo;

  // The board's controls, as its hit test names them.
  enum : Controle { kPicFundo = 0, kImgEmail, kImgFechar, kLblAutor, kLblFrase };
  // The control under a client pixel; the labels lie in front.
  Controle ControleEm(int x, int y) const override;

  Cena Desenho() override;

  void picFundo_MouseDown(int botao);
  void lblFrase_MouseMove(int botoes);
  void lblAutor_MouseMove(int botoes);
  void imgEmail_Click();
  void imgFechar_Click();

 protected:
  void MouseDown(Controle c, int botao, int shift, int x, int y) override;
  void MouseMove(Controle c, int botoes, int shift, int x, int y) override;
  void Click(Controle c) override;
  Ponteiro MousePointer(Controle c) const override;
  // A close request (Alt+F4, or one from outside) hides the board, as the
  // cross does; the program goes on in the tray.
  void QueryUnload() override { imgFechar_Click(); }

 private:
  void Arrastar();
  void Mudar(int Retangulo::*campo, int pixels);
  Retangulo EmPixels(const AreaImagem& area) const;
  // The picture at the board's scale into the picture box.
  void CarregarImagem();
  void DefinirDicas();
  void Recortar();

  std::string gif_;
  Hwnd janela_;
  bool visivel_ = false;
};

}  // namespace quillora
