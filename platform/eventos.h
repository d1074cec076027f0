#pragma once
// The small vocabulary of events that a window system delivers to a form's
// window. The Win32 backend turns window messages into these; the simulator
// makes them as the user's hand and the shell would.
#include "platform/geometria.h"
#include "platform/handles.h"

namespace quillora {

// Mouse buttons, as the forms report them: 1 left, 2 right, 4 middle.
inline constexpr int kBotaoEsquerdo = 1;
inline constexpr int kBotaoDireito = 2;
inline constexpr int kBotaoMeio = 4;

struct Evento {
  enum class Tipo {
    Pressionar,          // a button went down at (x, y)
    Soltar,              // a button came up at (x, y)
    DuploClique,         // the second press of a double click
    Mover,               // the pointer moved to (x, y) with `botoes` held
    PerguntarPonteiro,   // which pointer shows at (x, y)
    Comando,             // push button `id` was pressed
    PedidoFechar,        // the close box, Alt+F4, or a close request from outside
    Ativar,              // the window became the active one
    ConsultaFimSessao,   // may the Windows session end?
    FimSessao,           // the Windows session ends
    MensagemRegistrada,  // a message registered by name arrived
    MudarEscala,         // the window now stands at `pontosPorPolegada`
  };
  Tipo tipo;
  int botao = 0;
  int botoes = 0;
  int shift = 0;
  int x = 0, y = 0;
  int id = 0;
  unsigned mensagem = 0;
  int pontosPorPolegada = 0;
  Retangulo sugerido{};  // where the system would put the window for it
};

enum class Ponteiro { Padrao, Mao };

// What the window system is told back.
struct Resposta {
  Ponteiro ponteiro = Ponteiro::Padrao;  // PerguntarPonteiro
  bool focoDado = false;                 // Ativar: a control took the focus
  bool fimPermitido = true;              // ConsultaFimSessao
};

}  // namespace quillora
