#include "app/frm_principal.h"

#include <cmath>

#include "app/aplicacao.h"
#include "app/enderecos.h"
#include "app/sempre_visivel.h"
#include "app/textos.h"

namespace quillora {
namespace {

constexpr int kWmLButtonUp = 514;
constexpr int kWmRButtonUp = 517;

}  // namespace

int MensagemDoMouse(float x, float twipsPorPixel) {
  const double numerador = std::nearbyint(static_cast<double>(x));
  const double divisor = std::nearbyint(static_cast<double>(twipsPorPixel));
  if (divisor == 0) return 0;
  return static_cast<int>(std::trunc(numerador / divisor));
}

FrmPrincipal::FrmPrincipal(Aplicacao& app) : app_(app) {
  janela_ = app_.ws().CriarJanelaOculta(*this, textos::kTituloPrincipal);
  // The shell forgets our icon when the taskbar is re-created; it says so
  // with this message, whose number differs from run to run.
  taskbarCreated_ = app_.ws().RegistrarMensagem("TaskbarCreated");
}

void FrmPrincipal::Form_Load() {
  if (app_.rt().PrevInstance()) app_.rt().End();
  bandeja_.AdicionarIconeBandeja(app_.ws(), textos::kDicaBandeja, janela_,
                                 app_.ws().IconeAplicacao());
  iconeAdicionado_ = true;
  app_.MostrarFrase();
  visivelChecked = false;
}

void FrmPrincipal::Form_Unload() {
  bandeja_.RemoverIconeBandeja(app_.ws(), janela_);
  iconeAdicionado_ = false;
  app_.rt().End();
}

void FrmPrincipal::RemoverIconeSeAdicionado() {
  if (iconeAdicionado_) bandeja_.RemoverIconeBandeja(app_.ws(), janela_);
  iconeAdicionado_ = false;
}

void FrmPrincipal::MouseMove(int botoes, int shift, int x, int y) {
  SistemaJanelas& ws = app_.ws();
  Form_MouseMove(botoes, shift, static_cast<float>(x * ws.TwipsPorPixelX()),
                 static_cast<float>(y * ws.TwipsPorPixelY()));
}

// While a cycle runs, its failure message is up (it runs a message loop of
// its own): tray clicks then start nothing until the program ends.
void FrmPrincipal::Form_MouseMove(int /*botao*/, int /*shift*/, float x, float /*y*/) {
  if (app_.CicloEmCurso()) return;
  const int mensagem = MensagemDoMouse(x, static_cast<float>(app_.ws().TwipsPorPixelX()));
  if (mensagem == kWmLButtonUp) app_.MostrarFrase();
  if (mensagem == kWmRButtonUp) MostrarMenu();
}

void FrmPrincipal::MensagemRegistrada(unsigned mensagem) {
  if (mensagem != taskbarCreated_ || !iconeAdicionado_) return;
  bandeja_.AdicionarIconeBandeja(app_.ws(), textos::kDicaBandeja, janela_,
                                 app_.ws().IconeAplicacao());
}

void FrmPrincipal::MostrarMenu() {
  const std::vector<ItemMenu> itens = {{textos::kMenuVisivel, visivelChecked},
                                       {textos::kMenuEnviar, false},
                                       {textos::kMenuSobre, false},
                                       {textos::kMenuSair, false}};
  switch (app_.ws().MostrarMenu(janela_, itens)) {
    case 0: visivel_Click(); break;
    case 1: enviar_Click(); break;
    case 2: sobre_Click(); break;
    case 3: sair_Click(); break;
    default: break;  // dismissed
  }
}

void FrmPrincipal::visivel_Click() {
  app_.gManterVisivel = app_.gManterVisivel == kFalso ? kVerdadeiro : kFalso;
  visivelChecked = app_.gManterVisivel != kFalso;
  SempreVisivel(app_.ws(), app_.frmMural().hWnd(), app_.gManterVisivel);
}

void FrmPrincipal::enviar_Click() {
  app_.ws().AbrirNoShell(janela_, EnderecoSugestao(), textos::kPastaShell, -1);
}

void FrmPrincipal::sobre_Click() { app_.frmSobre().Mostrar(); }

void FrmPrincipal::sair_Click() { Form_Unload(); }

}  // namespace quillora
