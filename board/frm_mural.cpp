#include "board/frm_mural.h"

#include "board/criar_regiao.h"
#include "board/endereco_frase.h"
#include "board/mural_arte.h"
#include "board/posicionar_frase.h"
#include "board/rotulos_quadro.h"
#include "platform/abrir_documento.h"

namespace quillora {
namespace {

constexpr float kLarguraProjeto = 5325;
constexpr float kAlturaProjeto = 2460;
// The picture's size in twips: 350 x 160 pixels at 96 dots per inch.
constexpr float kLarguraImagem = 5250;
constexpr float kAlturaImagem = 2400;
constexpr int kDpiProjeto = 96;
constexpr char kDicaEmail[] = " Enviar Quillora por email.";
constexpr char kDicaFechar[] = " Fechar esse janela.";

}  // namespace

FrmMural::FrmMural(Tela& tela, Janelas& janelas, Regioes& regioes, Texto& texto, Shell& shell,
                   std::string gifQuadro)
    : Formulario(janelas),
      janelas_(janelas),
      regioes_(regioes),
      shell_(shell),
      escala_(tela),
      lblFrase(texto, escala_),
      lblAutor(texto, escala_),
      gif_(std::move(gifQuadro)) {
  imgEmail = {420, 2040, 375, 195, kDicaEmail};
  imgFechar = {4900, 150, 135, 195, kDicaFechar};
  lblAutor.Caption = "Label1";
  lblAutor.Left = 840, lblAutor.Top = 2025, lblAutor.Width = kLarguraAutor, lblAutor.Height = 195;
  lblAutor.Font = kFonteAutor;
  lblAutor.ForeColor = kMarinho;
  lblAutor.Alignment = Alinhamento::Direita;
  lblFrase.Caption = "Frase";
  lblFrase.Left = 255, lblFrase.Top = 285, lblFrase.Width = kLarguraFrase, lblFrase.Height = 1680;
  lblFrase.Font = kFonteFrase;
  lblFrase.ForeColor = kMarinho;
  lblFrase.Alignment = Alinhamento::Centro;
  lblFrase.AutoSize = true;
  lblFrase.WordWrap = true;
  picFundo.BackColor = tela.CorSistema(CorDoSistema::FaceBotao);
  janela_ = janelas_.CriarJanela(*this, TipoJanela::Quadro, "",
                                 {0, 0, escala_.Px(kLarguraProjeto), escala_.Py(kAlturaProjeto)});
  // Its screen may stand at another scale than the one the system started
  // with (changed since the user signed in).
  const int dpi = janelas_.PontosPorPolegada(janela_);
  if (dpi != escala_.PontosPorPolegadaY()) {
    escala_ = Escala(dpi, dpi);
    Mudar(&Retangulo::w, escala_.Px(kLarguraProjeto));
    Mudar(&Retangulo::h, escala_.Py(kAlturaProjeto));
  }
  DefinirDicas();
}

void FrmMural::DefinirDicas() {
  int id = 1;
  for (const AreaImagem* a : {&imgEmail, &imgFechar}) {
    janelas_.DefinirDica(janela_, id++, EmPixels(*a), a->ToolTipText);
  }
}

void FrmMural::Form_Load(const std::function<void()>& carregarPrincipal) {
  carregarPrincipal();
  picFundo.ScaleMode = 3;
  picFundo.Ajustar(escala_);
  picFundo.AutoRedraw = true;
  CarregarImagem();
  picFundo.AutoSize = true;
  picFundo.Ajustar(escala_);
  picFundo.BorderStyle = 0;
  picFundo.Ajustar(escala_);
  BorderStyle = 0;
  SetWidth(picFundo.Width);
  SetHeight(picFundo.Height);
  Recortar();
  picFundo.ScaleMode = 1;
  picFundo.Ajustar(escala_);
}

// At the design's scale, the designed picture; at any other, the same
// artwork drawn at that scale.
void FrmMural::CarregarImagem() {
  const bool projeto = escala_ == Escala(kDpiProjeto, kDpiProjeto);
  const std::optional<Imagem> imagem =
      projeto ? ComporGif(gif_, picFundo.BackColor)
              : Compor(DesenharMural(escala_.Px(kLarguraImagem), escala_.Py(kAlturaImagem)),
                       picFundo.BackColor);
  if (!imagem) return;
  picFundo.hDC = regioes_.CriarImagemPersistente(*imagem);
  picFundo.larguraImagem = imagem->largura;
  picFundo.alturaImagem = imagem->altura;
}

void FrmMural::Recortar() {
  const int scaleMode = picFundo.ScaleMode;
  picFundo.ScaleMode = 3;
  picFundo.Ajustar(escala_);
  const Hrgn regiao = CriarRegiao(regioes_, picFundo);
  regioes_.SetWindowRgn(janela_, regiao, true);
  picFundo.ScaleMode = scaleMode;
  picFundo.Ajustar(escala_);
}

void FrmMural::MudouEscala(int pontosPorPolegada, Retangulo /*sugerido*/) {
  if (escala_ == Escala(pontosPorPolegada, pontosPorPolegada)) return;
  const Retangulo antes = janelas_.RetanguloJanela(janela_);
  escala_ = Escala(pontosPorPolegada, pontosPorPolegada);
  if (picFundo.hDC) regioes_.LiberarImagemPersistente(picFundo.hDC);
  picFundo.hDC = {};
  CarregarImagem();
  picFundo.Ajustar(escala_);
  janelas_.MoverJanela(janela_, {antes.x, antes.y, escala_.Px(picFundo.Width),
                                 escala_.Py(picFundo.Height)});
  Recortar();
  DefinirDicas();
  PosicionarFrase(*this);
  janelas_.Redesenhar(janela_);
}

float FrmMural::Left() const { return escala_.TwipsX(janelas_.RetanguloJanela(janela_).x); }
float FrmMural::Top() const { return escala_.TwipsY(janelas_.RetanguloJanela(janela_).y); }
float FrmMural::Width() const { return escala_.TwipsX(janelas_.RetanguloJanela(janela_).w); }
float FrmMural::Height() const { return escala_.TwipsY(janelas_.RetanguloJanela(janela_).h); }

void FrmMural::SetLeft(float twips) { Mudar(&Retangulo::x, escala_.Px(twips)); }
void FrmMural::SetTop(float twips) { Mudar(&Retangulo::y, escala_.Py(twips)); }
void FrmMural::SetWidth(float twips) { Mudar(&Retangulo::w, escala_.Px(twips)); }
void FrmMural::SetHeight(float twips) { Mudar(&Retangulo::h, escala_.Py(twips)); }

// One edge or size changes; the rest is where the window really is.
void FrmMural::Mudar(int Retangulo::*campo, int pixels) {
  Retangulo r = janelas_.RetanguloJanela(janela_);
  r.*campo = pixels;
  janelas_.MoverJanela(janela_, r);
}

void FrmMural::SetVisible(bool visivel) {
  visivel_ = visivel;
  janelas_.MostrarJanela(janela_, visivel);
}

void FrmMural::SetCaption(Rotulo& rotulo, const std::string& texto) {
  rotulo.SetCaption(texto);
  janelas_.Redesenhar(janela_);
}

Cena FrmMural::Desenho() {
  Cena cena;
  cena.fundo = picFundo.hDC;
  cena.rotulos = {&lblAutor, &lblFrase};
  return cena;
}

Retangulo FrmMural::EmPixels(const AreaImagem& area) const {
  return escala_.EmPixels(area.Left, area.Top, area.Width, area.Height);
}

Controle FrmMural::ControleEm(int x, int y) const {
  if (lblFrase.EmPixels().Contem(x, y)) return kLblFrase;
  if (lblAutor.EmPixels().Contem(x, y)) return kLblAutor;
  if (EmPixels(imgFechar).Contem(x, y)) return kImgFechar;
  if (EmPixels(imgEmail).Contem(x, y)) return kImgEmail;
  return kPicFundo;
}

Ponteiro FrmMural::MousePointer(Controle c) const {
  return c == kImgEmail || c == kImgFechar ? Ponteiro::Mao : Ponteiro::Padrao;
}

void FrmMural::MouseDown(Controle c, int botao, int /*shift*/, int /*x*/, int /*y*/) {
  if (c == kPicFundo) picFundo_MouseDown(botao);
}

void FrmMural::MouseMove(Controle c, int botoes, int /*shift*/, int /*x*/, int /*y*/) {
  if (c == kLblFrase) lblFrase_MouseMove(botoes);
  if (c == kLblAutor) lblAutor_MouseMove(botoes);
}

void FrmMural::Click(Controle c) {
  if (c == kImgEmail) imgEmail_Click();
  if (c == kImgFechar) imgFechar_Click();
}

void FrmMural::picFundo_MouseDown(int /*botao*/) { Arrastar(); }

void FrmMural::lblFrase_MouseMove(int botoes) {
  if (botoes == kBotaoEsquerdo) Arrastar();
}

void FrmMural::lblAutor_MouseMove(int botoes) {
  if (botoes == kBotaoEsquerdo) Arrastar();
}

// A frameless window moves as if its caption had been pressed; the system's
// move takes the button's release.
void FrmMural::Arrastar() {
  janelas_.ReleaseCapture();
  janelas_.EnviarMensagem(janela_, MensagemJanela::kWmNcLButtonDown, AreaJanela::kHtCaption, 0);
  SoltoPeloSistema();
}

void FrmMural::imgEmail_Click() {
  const Hwnd janela = janela_;
  const std::string endereco = EnderecoFraseDoQuadro(lblFrase.Caption, lblAutor.Caption);
  AbrirDocumento(shell_, janela, endereco);
}

void FrmMural::imgFechar_Click() { SetVisible(false); }

}  // namespace quillora
