#include "about/frm_sobre.h"

#include <cmath>

#include "app/enderecos.h"
#include "app/textos.h"

namespace quillora {
namespace {

constexpr int kIdOkay = 1;  // IDOK, so that Enter on the focused button closes
constexpr float kLarguraCliente = 4035;
constexpr float kAlturaCliente = 2580;
constexpr Cor kCinza = Rgb(192, 192, 192);
constexpr Cor kMarinho = Rgb(0, 0, 128);
constexpr Cor kAzulLink = Rgb(0, 0, 192);
constexpr int kCorTextoBotao = 18;  // COLOR_BTNTEXT

const Fonte kArialNegritoItalico{"Arial", 9.75, true, true, false};
const Fonte kArialItalico{"Arial", 9.75, false, true, false};
const Fonte kArialItalicoSublinhado{"Arial", 9.75, false, true, true};
const Fonte kComic{"Comic Sans MS", 15.75, true, false, false};
const Fonte kSansSerif{"MS Sans Serif", 8.25, true, false, false};

// The caption labels take the system button-text colour when drawn.
constexpr Cor kCorDoSistema = 0xFF000000;

const RotuloSobre kRotulos[] = {
    {textos::kCortesia, 450, 120, 3135, 255, kArialNegritoItalico, kCorDoSistema,
     Alinhamento::Centro},
    {textos::kBrenvic, 90, 525, 3855, 495, kComic, kMarinho, Alinhamento::Centro},
    {textos::kRotuloSite, 120, 1215, 975, 255, kArialItalico, kCorDoSistema,
     Alinhamento::Direita},
    {textos::kSiteFabricante, 1320, 1215, 2535, 255, kArialItalicoSublinhado, kAzulLink,
     Alinhamento::Esquerda},
    {textos::kRotuloEmail, 120, 1665, 975, 255, kArialItalico, kCorDoSistema,
     Alinhamento::Direita},
    {textos::kEmailFabricante, 1320, 1665, 2655, 255, kArialItalico, kAzulLink,
     Alinhamento::Esquerda},
};

}  // namespace

const RotuloSobre& FrmSobre::endereco() { return kRotulos[3]; }
const RotuloSobre& FrmSobre::email() { return kRotulos[5]; }

int FrmSobre::Px(float twips) const {
  return static_cast<int>(std::lround(twips / ws_.TwipsPorPixelX()));
}
int FrmSobre::Py(float twips) const {
  return static_cast<int>(std::lround(twips / ws_.TwipsPorPixelY()));
}

void FrmSobre::Mostrar() {
  if (janela_ != 0) {
    ws_.TrazerParaFrente(janela_);
    return;
  }
  janela_ = ws_.CriarJanelaDialogo(*this, textos::kTituloSobre, Px(kLarguraCliente),
                                   Py(kAlturaCliente), kCinza);
  command1_ = ws_.CriarBotao(janela_, kIdOkay, textos::kOkay, Px(1200), Py(2160), Px(1575),
                             Py(375), kSansSerif);
  ws_.CentralizarNaTela(janela_);
  ws_.ExecutarModal(janela_);
  janela_ = 0;
  command1_ = 0;
  pressionado_ = nullptr;
}

void FrmSobre::Command1_Click() { Fechar(); }

void FrmSobre::Fechar() {
  if (janela_ != 0) ws_.FecharModal(janela_);
}

void FrmSobre::Comando(int id) {
  if (id == kIdOkay) Command1_Click();
}

void FrmSobre::endereco_Click() {
  ws_.AbrirNoShell(janela_, textos::kSiteFabricante, textos::kPastaShell, -1);
}

void FrmSobre::email_Click() {
  ws_.AbrirNoShell(janela_, EnderecoEmailFabricante(), textos::kPastaShell, -1);
}

Cena FrmSobre::Desenho() {
  Cena cena;
  cena.temCorFundo = true;
  cena.corFundo = kCinza;
  for (const RotuloSobre& r : kRotulos) {
    TextoPintado t;
    t.texto = r.texto;
    t.x = Px(r.left);
    t.y = Py(r.top);
    t.largura = Px(r.width);
    t.altura = Py(r.height);
    t.fonte = r.fonte;
    t.cor = r.cor == kCorDoSistema ? ws_.CorSistema(kCorTextoBotao) : r.cor;
    t.alinhamento = r.alinhamento;
    cena.textos.push_back(t);
  }
  return cena;
}

bool FrmSobre::Dentro(const RotuloSobre& r, int x, int y) const {
  return x >= Px(r.left) && x < Px(r.left + r.width) && y >= Py(r.top) &&
         y < Py(r.top + r.height);
}

bool FrmSobre::CursorMao(int x, int y) {
  return Dentro(endereco(), x, y) || Dentro(email(), x, y);
}

void FrmSobre::MouseDown(int botao, int /*shift*/, int x, int y) {
  pressionado_ = nullptr;
  if (botao != kBotaoEsquerdo) return;
  if (Dentro(endereco(), x, y)) pressionado_ = &endereco();
  if (Dentro(email(), x, y)) pressionado_ = &email();
}

// The second press of a double click is no press: a double click on a
// link opens it once.
void FrmSobre::DuploClique(int /*botao*/, int /*shift*/, int /*x*/, int /*y*/) {
  pressionado_ = nullptr;
}

void FrmSobre::MouseUp(int botao, int /*shift*/, int x, int y) {
  const RotuloSobre* antes = pressionado_;
  pressionado_ = nullptr;
  if (botao != kBotaoEsquerdo || antes == nullptr || !Dentro(*antes, x, y)) return;
  if (antes == &endereco()) endereco_Click();
  if (antes == &email()) email_Click();
}

}  // namespace quillora
