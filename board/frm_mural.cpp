#include "board/frm_mural.h"

#include <cmath>

#include "app/enderecos.h"
#include "app/textos.h"
#include "board/criar_regiao.h"

namespace quillora {
namespace {

constexpr Cor kMarinho = Rgb(0, 0, 128);
constexpr float kLarguraProjeto = 5325;
constexpr float kAlturaProjeto = 2460;

}  // namespace

FrmMural::FrmMural(SistemaJanelas& ws, std::string gifQuadro)
    : ws_(ws), gif_(std::move(gifQuadro)) {
  imgEmail = {420, 2040, 375, 195, textos::kDicaEmail};
  imgFechar = {4900, 150, 135, 195, textos::kDicaFechar};
  lblAutor.Caption = "Label1";
  lblAutor.Left = 840, lblAutor.Top = 2025, lblAutor.Width = 3975, lblAutor.Height = 195;
  lblAutor.Font = {"Arial", 9, true, true, false};
  lblAutor.ForeColor = kMarinho;
  lblAutor.Alignment = Alinhamento::Direita;
  lblFrase.Caption = "Frase";
  lblFrase.Left = 255, lblFrase.Top = 285, lblFrase.Width = 4695, lblFrase.Height = 1680;
  lblFrase.Font = {"Arial", 9.75, true, false, false};
  lblFrase.ForeColor = kMarinho;
  lblFrase.Alignment = Alinhamento::Centro;
  lblFrase.AutoSize = true;
  lblFrase.WordWrap = true;
  picFundo.BackColor = ws_.CorSistema(kCorFaceBotao);
  janela_ = ws_.CriarJanelaQuadro(*this, 0, 0, Px(kLarguraProjeto), Py(kAlturaProjeto));
  int id = 1;
  for (const AreaImagem* a : {&imgEmail, &imgFechar}) {
    ws_.DefinirDica(janela_, id++, Px(a->Left), Py(a->Top), Px(a->Left + a->Width) - Px(a->Left),
                    Py(a->Top + a->Height) - Py(a->Top), a->ToolTipText);
  }
}

void FrmMural::Form_Load(const std::function<void()>& carregarPrincipal) {
  carregarPrincipal();
  picFundo.ScaleMode = 3;
  AjustarCaixaImagem();
  picFundo.AutoRedraw = true;
  Imagem imagem;
  if (ComporGif(gif_, picFundo.BackColor, imagem)) {
    picFundo.hDC = ws_.CriarImagemPersistente(imagem);
    picFundo.larguraImagem = imagem.largura;
    picFundo.alturaImagem = imagem.altura;
  }
  picFundo.AutoSize = true;
  AjustarCaixaImagem();
  picFundo.BorderStyle = 0;
  AjustarCaixaImagem();
  BorderStyle = 0;
  SetWidth(picFundo.Width);
  SetHeight(picFundo.Height);
  const Hrgn regiao = CriarRegiao(ws_, picFundo);
  ws_.SetWindowRgn(janela_, regiao, true);
  picFundo.ScaleMode = 1;
  AjustarCaixaImagem();
}

// An auto-sized box takes its picture's size plus its border (2 pixels on
// each side when it has one); the inner size is read in the current scale.
void FrmMural::AjustarCaixaImagem() {
  const int tppX = ws_.TwipsPorPixelX();
  const int tppY = ws_.TwipsPorPixelY();
  const int borda = picFundo.BorderStyle == 0 ? 0 : 2;
  if (picFundo.AutoSize && picFundo.larguraImagem > 0) {
    picFundo.Width = static_cast<float>((picFundo.larguraImagem + 2 * borda) * tppX);
    picFundo.Height = static_cast<float>((picFundo.alturaImagem + 2 * borda) * tppY);
  }
  const float internoX = picFundo.Width / tppX - 2 * borda;
  const float internoY = picFundo.Height / tppY - 2 * borda;
  const bool pixels = picFundo.ScaleMode == 3;
  picFundo.ScaleWidth = pixels ? internoX : internoX * tppX;
  picFundo.ScaleHeight = pixels ? internoY : internoY * tppY;
}

int FrmMural::Px(float twips) const {
  return static_cast<int>(std::lround(twips / ws_.TwipsPorPixelX()));
}
int FrmMural::Py(float twips) const {
  return static_cast<int>(std::lround(twips / ws_.TwipsPorPixelY()));
}

// The window's real place and size, read afresh: the user may have dragged it.
float FrmMural::Left() const {
  return static_cast<float>(ws_.RetanguloJanela(janela_).x * ws_.TwipsPorPixelX());
}
float FrmMural::Top() const {
  return static_cast<float>(ws_.RetanguloJanela(janela_).y * ws_.TwipsPorPixelY());
}
float FrmMural::Width() const {
  return static_cast<float>(ws_.RetanguloJanela(janela_).w * ws_.TwipsPorPixelX());
}
float FrmMural::Height() const {
  return static_cast<float>(ws_.RetanguloJanela(janela_).h * ws_.TwipsPorPixelY());
}

void FrmMural::SetLeft(float twips) {
  SistemaJanelas::Retangulo r = ws_.RetanguloJanela(janela_);
  r.x = Px(twips);
  AplicarGeometria(r);
}
void FrmMural::SetTop(float twips) {
  SistemaJanelas::Retangulo r = ws_.RetanguloJanela(janela_);
  r.y = Py(twips);
  AplicarGeometria(r);
}
void FrmMural::SetWidth(float twips) {
  SistemaJanelas::Retangulo r = ws_.RetanguloJanela(janela_);
  r.w = Px(twips);
  AplicarGeometria(r);
}
void FrmMural::SetHeight(float twips) {
  SistemaJanelas::Retangulo r = ws_.RetanguloJanela(janela_);
  r.h = Py(twips);
  AplicarGeometria(r);
}

void FrmMural::AplicarGeometria(const SistemaJanelas::Retangulo& r) {
  ws_.MoverJanela(janela_, r.x, r.y, r.w, r.h);
}

void FrmMural::SetVisible(bool visivel) {
  visivel_ = visivel;
  ws_.MostrarJanela(janela_, visivel);
}

void FrmMural::SetCaption(Rotulo& rotulo, const std::string& texto) {
  rotulo.Caption = texto;
  AjustarAltura(rotulo);
  ws_.Redesenhar(janela_);
}

void FrmMural::SetLabelWidth(Rotulo& rotulo, float twips) {
  rotulo.Width = twips;
  AjustarAltura(rotulo);
}

// Auto-size with word wrap: the label keeps its width and its height
// becomes its wrapped lines times the line height.
void FrmMural::AjustarAltura(Rotulo& rotulo) {
  if (!rotulo.AutoSize || !rotulo.WordWrap) return;
  const int alturaPx = ws_.AlturaTexto(rotulo.Caption, rotulo.Font, Px(rotulo.Width));
  rotulo.Height = static_cast<float>(alturaPx * ws_.TwipsPorPixelY());
}

float FrmMural::AlturaLinhaTwips(const Rotulo& rotulo) const {
  return static_cast<float>(ws_.AlturaLinha(rotulo.Font) * ws_.TwipsPorPixelY());
}

Cena FrmMural::Desenho() {
  Cena cena;
  cena.fundo = picFundo.hDC;
  for (const Rotulo* r : {&lblAutor, &lblFrase}) {
    TextoPintado t;
    t.texto = r->Caption;
    t.x = Px(r->Left);
    t.y = Py(r->Top);
    t.largura = Px(r->Width);
    t.altura = Py(r->Height);
    t.fonte = r->Font;
    t.cor = r->ForeColor;
    t.alinhamento = r->Alignment;
    t.quebra = r->WordWrap;
    cena.textos.push_back(t);
  }
  return cena;
}

bool FrmMural::Dentro(const AreaImagem& area, int x, int y) const {
  return x >= Px(area.Left) && x < Px(area.Left + area.Width) && y >= Py(area.Top) &&
         y < Py(area.Top + area.Height);
}

bool FrmMural::CursorMao(int x, int y) {
  const Controle c = ControleEm(x, y);
  return c == Controle::imgEmail || c == Controle::imgFechar;
}

bool FrmMural::DentroRotulo(const Rotulo& r, int x, int y) const {
  return Dentro({r.Left, r.Top, r.Width, r.Height, {}}, x, y);
}

FrmMural::Controle FrmMural::ControleEm(int x, int y) const {
  if (DentroRotulo(lblFrase, x, y)) return Controle::lblFrase;
  if (DentroRotulo(lblAutor, x, y)) return Controle::lblAutor;
  if (Dentro(imgFechar, x, y)) return Controle::imgFechar;
  if (Dentro(imgEmail, x, y)) return Controle::imgEmail;
  return Controle::picFundo;
}

void FrmMural::MouseDown(int botao, int /*shift*/, int x, int y) {
  const Controle c = ControleEm(x, y);
  if (botao == kBotaoEsquerdo) {
    pressionado_ = c;
    esquerdoNoQuadro_ = true;
    xPressao_ = x, yPressao_ = y;
  }
  if (c == Controle::picFundo) picFundo_MouseDown(botao);
}

void FrmMural::MouseMove(int botoes, int /*shift*/, int x, int y) {
  const Controle c = ControleEm(x, y);
  const int estado = EsquerdoDeVerdade(x, y) ? botoes : botoes & ~kBotaoEsquerdo;
  if (c == Controle::lblFrase) lblFrase_MouseMove(estado);
  if (c == Controle::lblAutor) lblAutor_MouseMove(estado);
}

// The second press of a double click is no press: its release clicks
// nothing, so a double click on the envelope opens one message.
void FrmMural::DuploClique(int botao, int /*shift*/, int x, int y) {
  if (botao != kBotaoEsquerdo) return;
  pressionado_ = Controle::picFundo;
  esquerdoNoQuadro_ = true;
  xPressao_ = x, yPressao_ = y;
}

void FrmMural::Fechar() { SetVisible(false); }

// A click is the left button going down and up on the same click area.
void FrmMural::MouseUp(int botao, int /*shift*/, int x, int y) {
  if (botao != kBotaoEsquerdo) return;
  esquerdoNoQuadro_ = false;
  const Controle c = ControleEm(x, y);
  const Controle antes = pressionado_;
  pressionado_ = Controle::picFundo;
  if (c != antes) return;
  if (c == Controle::imgEmail) imgEmail_Click();
  if (c == Controle::imgFechar) imgFechar_Click();
}

void FrmMural::picFundo_MouseDown(int /*botao*/) { Arrastar(); }

void FrmMural::lblFrase_MouseMove(int botoes) {
  if (botoes == kBotaoEsquerdo) Arrastar();
}

void FrmMural::lblAutor_MouseMove(int botoes) {
  if (botoes == kBotaoEsquerdo) Arrastar();
}

// A move's button state can be stale: after a popup menu closes, the system
// sends a move to the point of the click that closed it, still saying "left
// down", and a drag begun with the button up glues the board to the pointer.
// The left button is held for real when it went down on the board, has not
// come up there, is down now, and the move went somewhere.
bool FrmMural::EsquerdoDeVerdade(int x, int y) const {
  const bool moveu = x != xPressao_ || y != yPressao_;
  return esquerdoNoQuadro_ && moveu && ws_.BotaoEsquerdoPressionado();
}

// A frameless window moves as if its caption had been pressed. The
// system's move takes the button's release.
void FrmMural::Arrastar() {
  esquerdoNoQuadro_ = false;
  ws_.ReleaseCapture();
  ws_.EnviarMensagem(janela_, kWmNcLButtonDown, kHtCaption, 0);
}

void FrmMural::imgEmail_Click() {
  const Hwnd janela = janela_;
  const std::string endereco = EnderecoFraseDoQuadro(lblFrase.Caption, lblAutor.Caption);
  ws_.AbrirNoShell(janela, endereco, textos::kPastaShell, -1);
}

void FrmMural::imgFechar_Click() { SetVisible(false); }

}  // namespace quillora
