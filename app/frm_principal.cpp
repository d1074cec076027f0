#include "app/frm_principal.h"

#include <cmath>

#include "app/aplicacao.h"
#include "app/sugestao.h"
#include "board/sempre_visivel.h"
#include "phrases/mostrar_frase.h"
#include "phrases/textos.h"
#include "platform/abrir_documento.h"
#include "platform/escala.h"

namespace quillora {
namespace {

constexpr int kWmLButtonUp = 514;
constexpr int kWmRButtonUp = 517;

constexpr char kTitulo[] = "Form1";
constexpr char kDicaBandeja[] = "Quillora";
constexpr char kMenuVisivel[] = "Manter Quadro Sempre v\xEDsivel";
constexpr char kMenuEnviar[] = "Enviar &Frase ou Prov\xE9rbio";
constexpr char kMenuSobre[] = "&Sobre a Brenvic";
constexpr char kMenuSair[] = "&Encerrar Quillora";

}  // namespace

int MensagemDoMouse(float x, float twipsPorPixel) {
  const double numerador = std::nearbyint(static_cast<double>(x));
  const double divisor = std::nearbyint(static_cast<double>(twipsPorPixel));
  if (divisor == 0) return 0;
  return static_cast<int>(std::trunc(numerador / divisor));
}

// With a whole factor the forms' decoding gives the message number itself.
// With another (7.5 at 192 dots per inch) its roundings would spoil it (514
// becomes 481), so the number is read back as it came, in the low 16 bits
// of the callback's lParam, which X is in pixels.
int MensagemDaBandeja(float x, float twipsPorPixel) {
  if (twipsPorPixel == std::floor(twipsPorPixel)) return MensagemDoMouse(x, twipsPorPixel);
  return static_cast<int>(std::lround(x / twipsPorPixel)) & 0xFFFF;
}

FrmPrincipal::FrmPrincipal(Runtime& rt, Tela& tela, Janelas& janelas, Shell& shell,
                           Aplicacao& app)
    : Formulario(janelas),
      rt_(rt),
      tela_(tela),
      janelas_(janelas),
      shell_(shell),
      app_(app),
      janela_(janelas.CriarJanela(*this, TipoJanela::Oculta, kTitulo, {})),
      // The shell forgets our icon when the taskbar is re-created; it says so
      // with this message, whose number differs from run to run.
      taskbarCreated_(janelas.RegistrarMensagem("TaskbarCreated")),
      icone_(shell) {}

void FrmPrincipal::Form_Load() {
  if (rt_.PrevInstance()) rt_.End();
  const Hicon icone = shell_.IconeAplicacao(janelas_.PontosPorPolegada(janela_));
  icone_.AdicionarIconeBandeja(kDicaBandeja, janela_, icone);
  MostrarFrase();
  visivelChecked = false;
}

void FrmPrincipal::Form_Unload() {
  icone_.RemoverIconeBandeja();
  rt_.End();
}

void FrmPrincipal::MostrarFrase() {
  cicloEmCurso_ = true;
  CicloFrase ciclo{rt_, tela_, janelas_, estado_, app_.frmMural(), app_.gManterVisivel};
  const Sorteio resultado = quillora::MostrarFrase(ciclo);
  if (resultado != Sorteio::Ok) EncerrarPorFalha(resultado);
  cicloEmCurso_ = false;
}

void FrmPrincipal::EncerrarPorFalha(Sorteio falha) {
  rt_.MsgBox(MensagemDeFalha(falha), kMsgBoxCritical, textos::kTituloMensagem);
  Form_Unload();
}

// The forms report mouse positions in the form's scale: twips, at the
// factor read afresh on every call.
void FrmPrincipal::MouseMove(Controle /*c*/, int botoes, int shift, int x, int y) {
  const Escala escala(tela_);
  Form_MouseMove(botoes, shift, escala.TwipsX(x), escala.TwipsY(y));
}

// While a cycle runs its failure message may be up, answering messages in
// a loop of its own: tray clicks then start nothing until the program ends.
void FrmPrincipal::Form_MouseMove(int /*botao*/, int /*shift*/, float x, float /*y*/) {
  if (cicloEmCurso_) return;
  const int mensagem = MensagemDaBandeja(x, Escala(tela_).TwipsPorPixelX());
  if (mensagem == kWmLButtonUp) MostrarFrase();
  if (mensagem == kWmRButtonUp) MostrarMenu();
}

void FrmPrincipal::MensagemRegistrada(unsigned mensagem) {
  if (mensagem == taskbarCreated_) icone_.TaskbarCreated();
}

void FrmPrincipal::MudouEscala(int pontosPorPolegada, Retangulo /*sugerido*/) {
  icone_.TrocarIcone(shell_.IconeAplicacao(pontosPorPolegada));
}

void FrmPrincipal::MostrarMenu() {
  const std::vector<ItemMenu> itens = {{kMenuVisivel, visivelChecked},
                                       {kMenuEnviar, false},
                                       {kMenuSobre, false},
                                       {kMenuSair, false}};
  const std::optional<int> escolha = shell_.MostrarMenu(janela_, itens);
  if (!escolha) return;  // dismissed
  switch (*escolha) {
    case 0: visivel_Click(); break;
    case 1: enviar_Click(); break;
    case 2: sobre_Click(); break;
    case 3: sair_Click(); break;
    default: break;
  }
}

void FrmPrincipal::visivel_Click() {
  app_.gManterVisivel = app_.gManterVisivel == kFalso ? kVerdadeiro : kFalso;
  visivelChecked = app_.gManterVisivel != kFalso;
  SempreVisivel(janelas_, app_.frmMural().hWnd(), app_.gManterVisivel);
}

void FrmPrincipal::enviar_Click() { AbrirDocumento(shell_, janela_, EnderecoSugestao()); }

void FrmPrincipal::sobre_Click() { app_.frmSobre().Mostrar(); }

void FrmPrincipal::sair_Click() { Form_Unload(); }

}  // namespace quillora
