#pragma once
// The board: a borderless window cut to the shape of its picture, holding
// the phrase and author labels and two click areas. Geometry is in twips.
#include <functional>
#include <string>

#include "platform/janelas.h"

namespace quillora {

struct Rotulo {
  std::string Caption;
  float Left = 0, Top = 0, Width = 0, Height = 0;
  Fonte Font;
  Cor ForeColor = 0;
  Alinhamento Alignment = Alinhamento::Esquerda;
  bool AutoSize = false;
  bool WordWrap = false;
};

struct AreaImagem {
  float Left = 0, Top = 0, Width = 0, Height = 0;
  std::string ToolTipText;
};

// The picture box that covers the whole board.
struct CaixaImagem {
  int ScaleMode = 1;  // 1 twips, 3 pixels
  bool AutoRedraw = false;
  bool AutoSize = false;
  int BorderStyle = 1;
  Cor BackColor = 0;
  Hdc hDC = 0;
  int larguraImagem = 0;  // the picture, in pixels
  int alturaImagem = 0;
  float Width = 5310, Height = 2460;  // twips, border included
  float ScaleWidth = 0, ScaleHeight = 0;  // inner size in the current scale
};

class FrmMural : public ManipuladorJanela {
 public:
  // Creates the hidden window at its design place and size.
  FrmMural(SistemaJanelas& ws, std::string gifQuadro);

  // The load step; `carregarPrincipal` loads the host form first.
  void Form_Load(const std::function<void()>& carregarPrincipal);

  Hwnd hWnd() const { return janela_; }
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

  // Label properties that re-measure an auto-sized label.
  void SetCaption(Rotulo& rotulo, const std::string& texto);
  void SetLabelWidth(Rotulo& rotulo, float twips);
  // Height in twips of one line of the label's font.
  float AlturaLinhaTwips(const Rotulo& rotulo) const;

  Rotulo lblFrase;
  Rotulo lblAutor;
  AreaImagem imgEmail;
  AreaImagem imgFechar;
  CaixaImagem picFundo;

  Cena Desenho() override;
  bool CursorMao(int x, int y) override;
  void MouseDown(int botao, int shift, int x, int y) override;
  void MouseMove(int botoes, int shift, int x, int y) override;
  void MouseUp(int botao, int shift, int x, int y) override;
  void DuploClique(int botao, int shift, int x, int y) override;
  // A close request (Alt+F4, or one from outside) hides the board, as the
  // cross does; the program goes on in the tray.
  void Fechar() override;

  // The board's own event handlers.
  void picFundo_MouseDown(int botao);
  void lblFrase_MouseMove(int botoes);
  void lblAutor_MouseMove(int botoes);
  void imgEmail_Click();
  void imgFechar_Click();

  enum class Controle { picFundo, imgEmail, imgFechar, lblAutor, lblFrase };
  // The control under a client pixel; the labels lie in front.
  Controle ControleEm(int x, int y) const;

 private:
  void Arrastar();
  bool EsquerdoDeVerdade(int x, int y) const;
  bool DentroRotulo(const Rotulo& rotulo, int x, int y) const;
  void AjustarAltura(Rotulo& rotulo);
  void AplicarGeometria(const SistemaJanelas::Retangulo& r);
  void AjustarCaixaImagem();
  int Px(float twips) const;
  int Py(float twips) const;
  bool Dentro(const AreaImagem& area, int x, int y) const;

  SistemaJanelas& ws_;
  std::string gif_;
  Hwnd janela_ = 0;
  bool visivel_ = false;
  Controle pressionado_ = Controle::picFundo;  // where the left button went down
  bool esquerdoNoQuadro_ = false;  // the left button went down here, not yet up
  int xPressao_ = -1, yPressao_ = -1;  // where it went down
};

}  // namespace quillora
