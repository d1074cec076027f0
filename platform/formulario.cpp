#include "platform/formulario.h"

namespace quillora {

Resposta Formulario::Entregar(const Evento& e) {
  Resposta r;
  switch (e.tipo) {
    case Evento::Tipo::Pressionar: Pressionar(e); break;
    case Evento::Tipo::Soltar: Soltar(e); break;
    case Evento::Tipo::DuploClique: DuploClique(e); break;
    case Evento::Tipo::Mover: Mover(e); break;
    case Evento::Tipo::PerguntarPonteiro: r.ponteiro = MousePointer(ControleEm(e.x, e.y)); break;
    case Evento::Tipo::Comando: Comando(e.id); break;
    case Evento::Tipo::PedidoFechar: QueryUnload(); break;
    case Evento::Tipo::Ativar:
      if (const Hwnd foco = ControleComFoco()) {
        janelas_.DarFoco(foco);
        r.focoDado = true;
      }
      break;
    case Evento::Tipo::ConsultaFimSessao: r.fimPermitido = true; break;
    case Evento::Tipo::FimSessao: FimDeSessao(); break;
    case Evento::Tipo::MensagemRegistrada: MensagemRegistrada(e.mensagem); break;
    case Evento::Tipo::MudarEscala: MudouEscala(e.pontosPorPolegada, e.sugerido); break;
  }
  return r;
}

void Formulario::Pressionar(const Evento& e) {
  const Controle c = ControleEm(e.x, e.y);
  if (e.botao == kBotaoEsquerdo) {
    pressionado_ = c;
    esquerdoAqui_ = true;
    xPressao_ = e.x, yPressao_ = e.y;
  }
  MouseDown(c, e.botao, e.shift, e.x, e.y);
}

// A click is the left button going down and up on the same control.
void Formulario::Soltar(const Evento& e) {
  const Controle c = ControleEm(e.x, e.y);
  const std::optional<Controle> antes = pressionado_;
  if (e.botao == kBotaoEsquerdo) {
    pressionado_.reset();
    esquerdoAqui_ = false;
  }
  MouseUp(c, e.botao, e.shift, e.x, e.y);
  if (e.botao == kBotaoEsquerdo && antes == c) Click(c);
}

// The second press of a double click stands in for its MouseDown, and its
// release clicks nothing: a double click is one Click and one DblClick.
void Formulario::DuploClique(const Evento& e) {
  const Controle c = ControleEm(e.x, e.y);
  if (e.botao == kBotaoEsquerdo) {
    pressionado_.reset();
    esquerdoAqui_ = true;
    xPressao_ = e.x, yPressao_ = e.y;
  }
  DblClick(c);
}

void Formulario::Mover(const Evento& e) {
  int botoes = e.botoes;
  if ((botoes & kBotaoEsquerdo) && !EsquerdoDeVerdade(e.x, e.y)) botoes &= ~kBotaoEsquerdo;
  MouseMove(ControleEm(e.x, e.y), botoes, e.shift, e.x, e.y);
}

// A move's button state can be stale: after a popup menu closes, the system
// sends a move to the point of the click that closed it, still saying "left
// down", and a drag begun with the button up glues the window to the
// pointer. The left button is held for real when it went down here, has not
// come up, is down now, and the move went somewhere.
bool Formulario::EsquerdoDeVerdade(int x, int y) {
  const bool moveu = x != xPressao_ || y != yPressao_;
  return esquerdoAqui_ && moveu && janelas_.BotaoEsquerdoPressionado();
}

}  // namespace quillora
