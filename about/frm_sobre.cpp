#include "about/frm_sobre.h"

#include "about/fabricante.h"
#include "platform/abrir_documento.h"
#include "platform/produto.h"

namespace quillora {
namespace {

constexpr int kIdOkay = 1;  // IDOK, so that Enter on the focused button closes
constexpr float kLarguraCliente = 4035;
constexpr float kAlturaCliente = 2580;
constexpr Cor kCinza = Rgb(192, 192, 192);
constexpr Cor kAzulLink = Rgb(0, 0, 192);

constexpr char kTitulo[] = "Sobre o " QUILLORA_NOME " " QUILLORA_VERSAO_CURTA;
constexpr char kCortesia[] = "Esse programa \xE9 uma cortesia da";
constexpr char kBrenvic[] = "Brenvic Inform\xE1tica";
constexpr char kRotuloSite[] = "WebSite:";
constexpr char kRotuloEmail[] = "E-mail:";
constexpr char kOkay[] = "&Okay";

const Fonte kArialNegritoItalico{"Arial", 9.75, true, true, false};
const Fonte kArialItalico{"Arial", 9.75, false, true, false};
const Fonte kArialItalicoSublinhado{"Arial", 9.75, false, true, true};
const Fonte kComic{"Comic Sans MS", 15.75, true, false, false};
const Fonte kSansSerif{"MS Sans Serif", 8.25, true, false, false};

void Configurar(Rotulo& r, const char* texto, float left, float top, float width, float height,
                const Fonte& fonte, Cor cor, Alinhamento alinhamento) {
  r.Caption = texto;
  r.Left = left, r.Top = top, r.Width = width, r.Height = height;
  r.Font = fonte;
  r.ForeColor = cor;
  r.Alignment = alinhamento;
}

}  // namespace

FrmSobre::FrmSobre(Tela& tela, Janelas& janelas, Texto& texto, Shell& shell)
    : Formulario(janelas),
      tela_(tela),
      janelas_(janelas),
      shell_(shell),
      escala_(tela),
      Label1(texto, escala_),
      Label2(texto, escala_),
      Label6{Rotulo(texto, escala_), Rotulo(texto, escala_)},
      endereco(texto, escala_),
      email(texto, escala_),
      modal_(janelas) {
  const Cor textoBotao = tela.CorSistema(CorDoSistema::TextoBotao);
  using enum Alinhamento;
  Configurar(Label1, kCortesia, 450, 120, 3135, 255, kArialNegritoItalico, textoBotao, Centro);
  Configurar(Label2, kBrenvic, 90, 525, 3855, 495, kComic, kMarinho, Centro);
  Configurar(Label6[0], kRotuloSite, 120, 1215, 975, 255, kArialItalico, textoBotao, Direita);
  Configurar(endereco, kSiteFabricante, 1320, 1215, 2535, 255, kArialItalicoSublinhado, kAzulLink,
             Esquerda);
  Configurar(Label6[1], kRotuloEmail, 120, 1665, 975, 255, kArialItalico, textoBotao, Direita);
  Configurar(email, kEmailFabricante, 1320, 1665, 2655, 255, kArialItalico, kAzulLink, Esquerda);
}

void FrmSobre::Mostrar() {
  if (janela_) {
    janelas_.TrazerParaFrente(janela_);
    return;
  }
  escala_ = Escala(tela_);
  janela_ = janelas_.CriarJanela(*this, TipoJanela::Dialogo, kTitulo,
                                 {0, 0, escala_.Px(kLarguraCliente), escala_.Py(kAlturaCliente)});
  command1_ = janelas_.CriarBotao(janela_, kIdOkay, kOkay, RetanguloOkay(), kSansSerif,
                                  escala_.PontosPorPolegadaY());
  Centralizar();
  modal_.Executar(janela_, command1_);
  janela_ = {};
  command1_ = {};
}

// At the centre of the screen, frame and all.
void FrmSobre::Centralizar() {
  Retangulo r = janelas_.RetanguloJanela(janela_);
  r.x = (tela_.LarguraPixels() - r.w) / 2;
  r.y = (tela_.AlturaPixels() - r.h) / 2;
  janelas_.MoverJanela(janela_, r);
}

Retangulo FrmSobre::RetanguloOkay() const { return escala_.EmPixels(1200, 2160, 1575, 375); }

void FrmSobre::MudouEscala(int pontosPorPolegada, Retangulo sugerido) {
  escala_ = Escala(pontosPorPolegada, pontosPorPolegada);
  janelas_.MoverJanela(janela_, sugerido);
  janelas_.AjustarBotao(command1_, RetanguloOkay(), kSansSerif, pontosPorPolegada);
  janelas_.Redesenhar(janela_);
}

void FrmSobre::Command1_Click() {
  if (janela_) modal_.Fechar(janela_);
}

void FrmSobre::Comando(int id) {
  if (id == kIdOkay) Command1_Click();
}

void FrmSobre::endereco_Click() { AbrirDocumento(shell_, janela_, kSiteFabricante); }

void FrmSobre::email_Click() { AbrirDocumento(shell_, janela_, EnderecoEmailFabricante()); }

Cena FrmSobre::Desenho() {
  Cena cena;
  cena.corFundo = kCinza;
  cena.rotulos = {&Label1, &Label2, &Label6[0], &endereco, &Label6[1], &email};
  return cena;
}

Controle FrmSobre::ControleEm(int x, int y) const {
  if (endereco.EmPixels().Contem(x, y)) return kEndereco;
  if (email.EmPixels().Contem(x, y)) return kEmail;
  return kFundo;
}

Ponteiro FrmSobre::MousePointer(Controle c) const {
  return c == kFundo ? Ponteiro::Padrao : Ponteiro::Mao;
}

void FrmSobre::Click(Controle c) {
  if (c == kEndereco) endereco_Click();
  if (c == kEmail) email_Click();
}

}  // namespace quillora
