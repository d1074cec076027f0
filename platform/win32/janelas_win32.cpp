#include "platform/win32/janelas_win32.h"

#include <commctrl.h>

#include "platform/formulario.h"
#include "platform/win32/dpi_win32.h"
#include "platform/win32/eventos_win32.h"
#include "platform/win32/largo.h"
#include "platform/win32/objetos_win32.h"

namespace quillora {
namespace {

constexpr wchar_t kClasseQuadro[] = L"QuilloraQuadro";
constexpr wchar_t kClassePrincipal[] = L"QuilloraPrincipal";
constexpr wchar_t kClasseSobre[] = L"QuilloraSobre";

HWND Janela(Hwnd h) { return reinterpret_cast<HWND>(h.valor); }
Hwnd DoHwnd(HWND h) { return Hwnd{reinterpret_cast<std::uintptr_t>(h)}; }

// The window procedure only finds its window's object and hands it the
// message; the object was stored with the window at its creation.
LRESULT CALLBACK ProcJanela(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* janela = reinterpret_cast<JanelaWin32*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (janela == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
  return janela->Tratar(hwnd, msg, wParam, lParam);
}

struct Classe {
  const wchar_t* nome;
  DWORD estiloEx;
  DWORD estilo;
};

Classe ClasseDe(TipoJanela tipo) {
  switch (tipo) {
    case TipoJanela::Quadro: return {kClasseQuadro, WS_EX_TOOLWINDOW, WS_POPUP};
    case TipoJanela::Oculta: return {kClassePrincipal, 0, WS_OVERLAPPEDWINDOW};
    case TipoJanela::Dialogo: break;
  }
  return {kClasseSobre, WS_EX_APPWINDOW, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU};
}

// The window's outer rectangle: a dialog is given its client area's size.
RECT Exterior(TipoJanela tipo, const Classe& c, Retangulo r) {
  if (tipo == TipoJanela::Oculta) return {CW_USEDEFAULT, CW_USEDEFAULT, 240, 120};
  RECT e{r.x, r.y, r.x + r.w, r.y + r.h};
  if (tipo == TipoJanela::Dialogo) AdjustWindowRectEx(&e, c.estilo, FALSE, c.estiloEx);
  return {e.left, e.top, e.right - e.left, e.bottom - e.top};
}

struct Desabilitar {
  HWND modal;
  std::vector<Hwnd>& janelas;
};

BOOL CALLBACK DesabilitarOutra(HWND hwnd, LPARAM lParam) {
  auto* d = reinterpret_cast<Desabilitar*>(lParam);
  if (hwnd != d->modal && IsWindowEnabled(hwnd)) {
    EnableWindow(hwnd, FALSE);
    d->janelas.push_back(DoHwnd(hwnd));
  }
  return TRUE;
}

}  // namespace

JanelaWin32::JanelaWin32(Win32Janelas& sistema, Formulario& dono, TipoJanela tipo)
    : sistema_(sistema), dono_(dono), tipo_(tipo) {
  ObjetoCriado();
}

JanelaWin32::~JanelaWin32() { ObjetoLiberado(); }

LRESULT JanelaWin32::Tratar(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (const auto resposta = sistema_.Ganchos().Responder(msg)) return *resposta;
  if (sistema_.Ganchos().PedeEscala(msg)) {
    // As the system says it, suggesting the window where it stands.
    RECT sugerido{};
    GetWindowRect(hwnd, &sugerido);
    return Tratar(hwnd, WM_DPICHANGED, MAKEWPARAM(wParam, wParam),
                  reinterpret_cast<LPARAM>(&sugerido));
  }
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // the painting covers everything
    case WM_PAINT:
      OnPintar(hwnd);
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && OnCursor(hwnd)) return TRUE;
      break;
    case WM_NCDESTROY:
      sistema_.Esquecer(hwnd);  // deletes this object
      return DefWindowProcW(hwnd, msg, wParam, lParam);
    default:
      if (const auto evento = EventoDaMensagem(msg, wParam, lParam)) {
        return OnEvento(hwnd, msg, wParam, lParam, *evento);
      }
      break;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

LRESULT JanelaWin32::OnEvento(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                              const Evento& e) {
  if (e.tipo == Evento::Tipo::Ativar) sistema_.Ganchos().JanelaAtivada(hwnd, kClasseQuadro);
  if (e.tipo == Evento::Tipo::MudarEscala && tipo_ == TipoJanela::Dialogo) {
    sistema_.DefinirIcones(hwnd);
  }
  const Resposta r = dono_.Entregar(e);
  switch (e.tipo) {
    case Evento::Tipo::Ativar:
      // The default would give the focus to the window itself.
      if (r.focoDado) return 0;
      break;
    case Evento::Tipo::ConsultaFimSessao:
      return r.fimPermitido ? TRUE : FALSE;
    case Evento::Tipo::MensagemRegistrada:
      break;
    default:
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void JanelaWin32::OnPintar(HWND hwnd) {
  const Pintura pintura(hwnd);
  const HDC dc = pintura.get();
  const Cena cena = dono_.Desenho();
  RECT cliente{};
  GetClientRect(hwnd, &cliente);
  if (cena.fundo) {
    BitBlt(dc, 0, 0, cliente.right, cliente.bottom, reinterpret_cast<HDC>(cena.fundo.valor), 0,
           0, SRCCOPY);
  } else if (cena.corFundo) {
    const Gdi<HBRUSH> pincel(CreateSolidBrush(*cena.corFundo));
    FillRect(dc, &cliente, pincel.get());
  } else {
    FillRect(dc, &cliente, GetSysColorBrush(COLOR_BTNFACE));
  }
  SetBkMode(dc, TRANSPARENT);
  for (const Rotulo* rotulo : cena.rotulos) sistema_.texto().Desenhar(dc, *rotulo);
}

bool JanelaWin32::OnCursor(HWND hwnd) {
  POINT p{};
  GetCursorPos(&p);
  ScreenToClient(hwnd, &p);
  Evento e{Evento::Tipo::PerguntarPonteiro};
  e.x = p.x, e.y = p.y;
  const bool mao = dono_.Entregar(e).ponteiro == Ponteiro::Mao;
  SetCursor(mao ? sistema_.Mao(PontosPorPolegadaDaJanela(hwnd)) : LoadCursorW(nullptr, IDC_ARROW));
  return true;
}

Win32Janelas::Win32Janelas(HINSTANCE instancia, Win32Texto& texto, IconesWin32& icones,
                           const RecursosJanelas& recursos)
    : instancia_(instancia), texto_(texto), icones_(icones), recursos_(recursos) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ProcJanela;
  wc.hInstance = instancia_;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassePrincipal;
  wc.hIcon = LoadIconW(instancia_, MAKEINTRESOURCEW(recursos.iconeAplicacao));
  RegisterClassExW(&wc);
  // The board and the dialog tell a double click from two clicks.
  wc.style = CS_DBLCLKS;
  wc.hIcon = nullptr;
  wc.lpszClassName = kClasseQuadro;
  RegisterClassExW(&wc);
  wc.lpszClassName = kClasseSobre;
  wc.hIcon = icones_.Icone(recursos.iconeSobre, GetSystemMetrics(SM_CXICON));
  wc.hIconSm = icones_.Icone(recursos.iconeSobre, GetSystemMetrics(SM_CXSMICON));
  RegisterClassExW(&wc);
}

Win32Janelas::~Win32Janelas() = default;

// One sequence for every kind: the window's object is ours until the window
// exists, and then the window's, until WM_NCDESTROY.
Hwnd Win32Janelas::CriarJanela(Formulario& dono, TipoJanela tipo, const std::string& titulo,
                               Retangulo r) {
  const Classe c = ClasseDe(tipo);
  const RECT e = Exterior(tipo, c, r);
  auto objeto = std::make_unique<JanelaWin32>(*this, dono, tipo);
  HWND hwnd = CreateWindowExW(c.estiloEx, c.nome, Largo(titulo).c_str(), c.estilo, e.left, e.top,
                              e.right, e.bottom, nullptr, nullptr, instancia_, objeto.get());
  if (hwnd == nullptr) return {};
  janelas_[hwnd] = std::move(objeto);
  if (tipo == TipoJanela::Dialogo) DefinirIcones(hwnd);
  return DoHwnd(hwnd);
}

// Its own images for the sizes the system asks at the window's scale, not
// the nearest one stretched.
void Win32Janelas::DefinirIcones(HWND janela) {
  const int dpi = PontosPorPolegadaDaJanela(janela);
  const int id = recursos_.iconeSobre;
  const HICON pequeno = icones_.Icone(id, MetricaParaDpi(SM_CXSMICON, dpi));
  const HICON grande = icones_.Icone(id, MetricaParaDpi(SM_CXICON, dpi));
  SendMessageW(janela, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(pequeno));
  SendMessageW(janela, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(grande));
}

HCURSOR Win32Janelas::Mao(int pontosPorPolegada) {
  const int lado = MetricaParaDpi(SM_CXCURSOR, pontosPorPolegada);
  if (lado <= 32) return LoadCursorW(instancia_, MAKEINTRESOURCEW(recursos_.mao));
  return icones_.Cursor(recursos_.maoEscalas, lado);
}

void Win32Janelas::Esquecer(HWND janela) {
  SetWindowLongPtrW(janela, GWLP_USERDATA, 0);
  dicas_.erase(janela);
  janelas_.erase(janela);
}

void Win32Janelas::DestruirJanela(Hwnd janela) { DestroyWindow(Janela(janela)); }

void Win32Janelas::MoverJanela(Hwnd janela, Retangulo r) {
  MoveWindow(Janela(janela), r.x, r.y, r.w, r.h, TRUE);
}

Retangulo Win32Janelas::RetanguloJanela(Hwnd janela) {
  RECT r{};
  GetWindowRect(Janela(janela), &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

int Win32Janelas::PontosPorPolegada(Hwnd janela) {
  return PontosPorPolegadaDaJanela(Janela(janela));
}

void Win32Janelas::MostrarJanela(Hwnd janela, bool visivel) {
  ShowWindow(Janela(janela), visivel ? SW_SHOW : SW_HIDE);
}

void Win32Janelas::Redesenhar(Hwnd janela) { InvalidateRect(Janela(janela), nullptr, FALSE); }

int Win32Janelas::SetWindowPos(Hwnd janela, InserirApos depoisDe, int x, int y, int cx, int cy,
                               unsigned flags) {
  HWND apos = depoisDe == InserirApos::kHwndTopmost ? HWND_TOPMOST : HWND_NOTOPMOST;
  UINT swp = 0;
  if (flags & kSwpNoSize) swp |= SWP_NOSIZE;
  if (flags & kSwpNoMove) swp |= SWP_NOMOVE;
  return ::SetWindowPos(Janela(janela), apos, x, y, cx, cy, swp);
}

void Win32Janelas::TrazerParaFrente(Hwnd janela) {
  SetForegroundWindow(Janela(janela));
  BringWindowToTop(Janela(janela));
}

std::vector<Hwnd> Win32Janelas::DesabilitarOutras(Hwnd janela) {
  std::vector<Hwnd> desabilitadas;
  Desabilitar d{Janela(janela), desabilitadas};
  EnumThreadWindows(GetCurrentThreadId(), DesabilitarOutra, reinterpret_cast<LPARAM>(&d));
  return desabilitadas;
}

void Win32Janelas::Habilitar(Hwnd janela) {
  if (IsWindow(Janela(janela))) EnableWindow(Janela(janela), TRUE);
}

// The dialog manager gives the button its keys (Alt+O, Enter, Space). A
// quit request met on the way is passed on to the main loop.
void Win32Janelas::LacoModal(Hwnd janela) {
  HWND modal = Janela(janela);
  MSG msg{};
  while (IsWindow(modal)) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    if (!IsDialogMessageW(modal, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

void Win32Janelas::DarFoco(Hwnd controle) { SetFocus(Janela(controle)); }

Hwnd Win32Janelas::CriarBotao(Hwnd pai, int id, const std::string& legenda, Retangulo r,
                              const Fonte& fonte, int pontosPorPolegada) {
  HWND botao = CreateWindowExW(0, L"BUTTON", Largo(legenda).c_str(),
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, r.x, r.y, r.w,
                               r.h, Janela(pai), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               instancia_, nullptr);
  const HFONT f = texto_.FonteGdi(fonte, pontosPorPolegada);
  SendMessageW(botao, WM_SETFONT, reinterpret_cast<WPARAM>(f), FALSE);
  return DoHwnd(botao);
}

void Win32Janelas::AjustarBotao(Hwnd botao, Retangulo r, const Fonte& fonte,
                                int pontosPorPolegada) {
  const HFONT f = texto_.FonteGdi(fonte, pontosPorPolegada);
  SendMessageW(Janela(botao), WM_SETFONT, reinterpret_cast<WPARAM>(f), FALSE);
  MoveWindow(Janela(botao), r.x, r.y, r.w, r.h, TRUE);
}

void Win32Janelas::DefinirDica(Hwnd janela, int id, Retangulo r, const std::string& texto) {
  HWND dono = Janela(janela);
  HWND& dica = dicas_[dono];
  if (dica == nullptr) {
    dica = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, dono, nullptr, instancia_, nullptr);
  }
  std::wstring largo = Largo(texto);
  TOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_SUBCLASS;
  ti.hwnd = dono;
  ti.uId = static_cast<UINT_PTR>(id);
  ti.rect = {r.x, r.y, r.x + r.w, r.y + r.h};
  ti.lpszText = largo.data();
  SendMessageW(dica, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));  // the same id again moves it
  SendMessageW(dica, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void Win32Janelas::ReleaseCapture() { ::ReleaseCapture(); }

long Win32Janelas::EnviarMensagem(Hwnd janela, MensagemJanela, AreaJanela, long l) {
  return static_cast<long>(SendMessageW(Janela(janela), WM_NCLBUTTONDOWN, HTCAPTION, l));
}

// The physical button, wherever the user has put the primary one. A release
// already waiting in the queue means it is up, whatever the key state says
// (Wine's lags behind the X server).
bool Win32Janelas::BotaoEsquerdoPressionado() {
  const int botao = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
  MSG soltura{};
  return GetAsyncKeyState(botao) < 0 &&
         !PeekMessageW(&soltura, nullptr, WM_LBUTTONUP, WM_LBUTTONUP, PM_NOREMOVE | PM_NOYIELD);
}

unsigned Win32Janelas::RegistrarMensagem(const std::string& nome) {
  return RegisterWindowMessageW(Largo(nome).c_str());
}

}  // namespace quillora
