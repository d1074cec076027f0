#include "platform/win32/eventos_win32.h"

#include <windowsx.h>

namespace quillora {
namespace {

int Botoes(WPARAM wParam) {
  int b = 0;
  if (wParam & MK_LBUTTON) b |= kBotaoEsquerdo;
  if (wParam & MK_RBUTTON) b |= kBotaoDireito;
  if (wParam & MK_MBUTTON) b |= kBotaoMeio;
  return b;
}

int Shift(WPARAM wParam) {
  int s = 0;
  if (wParam & MK_SHIFT) s |= 1;
  if (wParam & MK_CONTROL) s |= 2;
  if (GetKeyState(VK_MENU) < 0) s |= 4;
  return s;
}

Evento DoMouse(Evento::Tipo tipo, int botao, WPARAM wParam, LPARAM lParam) {
  Evento e{tipo};
  e.botao = botao;
  e.botoes = Botoes(wParam);
  e.shift = Shift(wParam);
  e.x = GET_X_LPARAM(lParam);
  e.y = GET_Y_LPARAM(lParam);
  return e;
}

}  // namespace

std::optional<Evento> EventoDaMensagem(UINT mensagem, WPARAM wParam, LPARAM lParam) {
  using T = Evento::Tipo;
  switch (mensagem) {
    case WM_LBUTTONDOWN: return DoMouse(T::Pressionar, kBotaoEsquerdo, wParam, lParam);
    case WM_RBUTTONDOWN: return DoMouse(T::Pressionar, kBotaoDireito, wParam, lParam);
    case WM_MBUTTONDOWN: return DoMouse(T::Pressionar, kBotaoMeio, wParam, lParam);
    case WM_LBUTTONUP: return DoMouse(T::Soltar, kBotaoEsquerdo, wParam, lParam);
    case WM_RBUTTONUP: return DoMouse(T::Soltar, kBotaoDireito, wParam, lParam);
    case WM_MBUTTONUP: return DoMouse(T::Soltar, kBotaoMeio, wParam, lParam);
    case WM_LBUTTONDBLCLK: return DoMouse(T::DuploClique, kBotaoEsquerdo, wParam, lParam);
    case WM_RBUTTONDBLCLK: return DoMouse(T::DuploClique, kBotaoDireito, wParam, lParam);
    case WM_MBUTTONDBLCLK: return DoMouse(T::DuploClique, kBotaoMeio, wParam, lParam);
    case WM_MOUSEMOVE: return DoMouse(T::Mover, 0, wParam, lParam);
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) return std::nullopt;
      return Evento{T::Comando, 0, 0, 0, 0, 0, LOWORD(wParam)};
    case WM_CLOSE: return Evento{T::PedidoFechar};
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) return std::nullopt;
      return Evento{T::Ativar};
    case WM_DPICHANGED: {
      Evento e{T::MudarEscala};
      e.pontosPorPolegada = HIWORD(wParam);
      const auto* r = reinterpret_cast<const RECT*>(lParam);
      e.sugerido = {r->left, r->top, r->right - r->left, r->bottom - r->top};
      return e;
    }
    case WM_QUERYENDSESSION: return Evento{T::ConsultaFimSessao};
    case WM_ENDSESSION:
      if (!wParam) return std::nullopt;
      return Evento{T::FimSessao};
    default:
      if (mensagem < 0xC000 || mensagem > 0xFFFF) return std::nullopt;
      return Evento{T::MensagemRegistrada, 0, 0, 0, 0, 0, 0, mensagem};
  }
}

}  // namespace quillora
