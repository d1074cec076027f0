// The simulator's front door: input as the user's hand and the shell give
// it, delivered through each form's one door.
#include "platform/sim/plataforma_sim.h"

namespace quillora {
namespace {

constexpr unsigned kWmMouseMove = 0x200;
// The mouse-message flags that wParam carries.
constexpr unsigned kMkLButton = 0x01, kMkRButton = 0x02, kMkShift = 0x04, kMkControl = 0x08,
                   kMkMButton = 0x10;

Evento De(Evento::Tipo tipo, int botao, int x, int y) {
  Evento e{tipo};
  e.botao = botao;
  e.x = x, e.y = y;
  return e;
}

bool TomaDuploClique(TipoJanela tipo) { return tipo != TipoJanela::Oculta; }

}  // namespace

Resposta SimPlataforma::Entregar(Hwnd janela, Evento evento) {
  const auto it = janelas.find(janela);
  if (it == janelas.end() || !it->second.habilitada) return {};
  return it->second.dono->Entregar(evento);
}

Resposta SimPlataforma::Enviar(Hwnd janela, Evento evento) {
  const auto it = janelas.find(janela);
  if (it == janelas.end()) return {};
  return it->second.dono->Entregar(evento);
}

void SimPlataforma::Pressionar(Hwnd janela, int botao, int x, int y) {
  if (botao == kBotaoEsquerdo) botaoEsquerdoFisico = true;
  Entregar(janela, De(Evento::Tipo::Pressionar, botao, x, y));
}

void SimPlataforma::Soltar(Hwnd janela, int botao, int x, int y) {
  if (botao == kBotaoEsquerdo) botaoEsquerdoFisico = false;
  Entregar(janela, De(Evento::Tipo::Soltar, botao, x, y));
}

void SimPlataforma::Clicar(Hwnd janela, int x, int y) {
  Pressionar(janela, kBotaoEsquerdo, x, y);
  Soltar(janela, kBotaoEsquerdo, x, y);
}

void SimPlataforma::DuploClicar(Hwnd janela, int x, int y) {
  Clicar(janela, x, y);
  if (janelas.count(janela) == 0) return;
  if (!TomaDuploClique(janelas.at(janela).tipo)) {
    Clicar(janela, x, y);
    return;
  }
  botaoEsquerdoFisico = true;
  Entregar(janela, De(Evento::Tipo::DuploClique, kBotaoEsquerdo, x, y));
  Soltar(janela, kBotaoEsquerdo, x, y);
}

void SimPlataforma::Mover(Hwnd janela, int botoes, int x, int y) {
  Evento e = De(Evento::Tipo::Mover, 0, x, y);
  e.botoes = botoes;
  Entregar(janela, e);
}

Ponteiro SimPlataforma::PonteiroEm(Hwnd janela, int x, int y) {
  return Entregar(janela, De(Evento::Tipo::PerguntarPonteiro, 0, x, y)).ponteiro;
}

void SimPlataforma::PedirFechamento(Hwnd janela) {
  Enviar(janela, Evento{Evento::Tipo::PedidoFechar});
}

void SimPlataforma::Ativar(Hwnd janela) { Entregar(janela, Evento{Evento::Tipo::Ativar}); }

void SimPlataforma::ClicarBotao(Hwnd botao) {
  for (const Botao& b : botoes) {
    if (b.janela == botao) {
      Comando(b.pai, b.id);
      return;
    }
  }
}

void SimPlataforma::Comando(Hwnd janela, int id) {
  Evento e{Evento::Tipo::Comando};
  e.id = id;
  Entregar(janela, e);
}

void SimPlataforma::EncerrarSessao() {
  std::vector<Hwnd> todas;
  for (const auto& [h, j] : janelas) todas.push_back(h);
  for (Hwnd h : todas) Enviar(h, Evento{Evento::Tipo::ConsultaFimSessao});
  for (Hwnd h : todas) Enviar(h, Evento{Evento::Tipo::FimSessao});
}

// Our callback message is WM_MOUSEMOVE: the window sees a mouse move whose
// x is the mouse message, and whose flags are the icon's identifier.
void SimPlataforma::NotificarBandeja(unsigned mensagemDoMouse) {
  const auto registrados = icones;
  for (const auto& [chave, registro] : registrados) {
    if (registro.uCallbackMessage != kWmMouseMove) continue;
    const unsigned w = registro.uID;
    Evento e = De(Evento::Tipo::Mover, 0, static_cast<short>(mensagemDoMouse & 0xFFFF),
                  static_cast<short>(mensagemDoMouse >> 16));
    e.botoes = (w & kMkLButton ? kBotaoEsquerdo : 0) | (w & kMkRButton ? kBotaoDireito : 0) |
               (w & kMkMButton ? kBotaoMeio : 0);
    e.shift = (w & kMkShift ? 1 : 0) | (w & kMkControl ? 2 : 0);
    Enviar(registro.hWnd, e);
  }
}

void SimPlataforma::MudarEscala(Hwnd janela, int pontosPorPolegada, Retangulo sugerido) {
  Janela(janela).dpi = pontosPorPolegada;
  Evento e{Evento::Tipo::MudarEscala};
  e.pontosPorPolegada = pontosPorPolegada;
  e.sugerido = sugerido;
  Enviar(janela, e);
}

void SimPlataforma::RecriarBarraDeTarefas() {
  icones.clear();
  std::vector<Hwnd> todas;
  for (const auto& [h, j] : janelas) todas.push_back(h);
  Evento e{Evento::Tipo::MensagemRegistrada};
  e.mensagem = taskbarCreated;
  for (Hwnd h : todas) Enviar(h, e);
}

}  // namespace quillora
