#include "platform/win32/janelas_win32.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <cmath>
#include <cstddef>

#include "platform/win32/texto_win32.h"

namespace quillora {
namespace {

constexpr wchar_t kClasseQuadro[] = L"QuilloraQuadro";
constexpr wchar_t kClassePrincipal[] = L"QuilloraPrincipal";
constexpr wchar_t kClasseSobre[] = L"QuilloraSobre";

struct Contexto {
  Win32Janelas* sistema;
  ManipuladorJanela* dono;
};

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

UINT FormatoTexto(const TextoPintado& t) {
  // Ampersands show as they are. An italic last letter leans past the
  // label's edge: cut there, "WebSite:" loses the top dot of its colon.
  UINT f = DT_NOPREFIX | DT_NOCLIP;
  if (t.quebra) f |= DT_WORDBREAK;
  if (t.alinhamento == Alinhamento::Centro) f |= DT_CENTER;
  if (t.alinhamento == Alinhamento::Direita) f |= DT_RIGHT;
  return f;
}

// The window procedure only finds its object and hands the message on.
LRESULT CALLBACK ProcJanela(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    JanelaCriada();
  }
  auto* c = reinterpret_cast<Contexto*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (c == nullptr) return DefWindowProcW(hwnd, msg, wParam, lParam);
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // the picture covers everything
    case WM_PAINT:
      c->sistema->Pintar(hwnd, *c->dono);
      return 0;
    case WM_LBUTTONDOWN: c->dono->MouseDown(kBotaoEsquerdo, Shift(wParam), x, y); return 0;
    case WM_RBUTTONDOWN: c->dono->MouseDown(kBotaoDireito, Shift(wParam), x, y); return 0;
    case WM_MBUTTONDOWN: c->dono->MouseDown(kBotaoMeio, Shift(wParam), x, y); return 0;
    case WM_LBUTTONDBLCLK: c->dono->DuploClique(kBotaoEsquerdo, Shift(wParam), x, y); return 0;
    case WM_RBUTTONDBLCLK: c->dono->DuploClique(kBotaoDireito, Shift(wParam), x, y); return 0;
    case WM_MBUTTONDBLCLK: c->dono->DuploClique(kBotaoMeio, Shift(wParam), x, y); return 0;
    case WM_LBUTTONUP: c->dono->MouseUp(kBotaoEsquerdo, Shift(wParam), x, y); return 0;
    case WM_RBUTTONUP: c->dono->MouseUp(kBotaoDireito, Shift(wParam), x, y); return 0;
    case WM_MBUTTONUP: c->dono->MouseUp(kBotaoMeio, Shift(wParam), x, y); return 0;
    case WM_MOUSEMOVE: c->dono->MouseMove(Botoes(wParam), Shift(wParam), x, y); return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT) {
        POINT p{};
        GetCursorPos(&p);
        ScreenToClient(hwnd, &p);
        SetCursor(c->dono->CursorMao(p.x, p.y) ? c->sistema->Mao()
                                               : LoadCursorW(nullptr, IDC_ARROW));
        return TRUE;
      }
      break;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) c->dono->Comando(LOWORD(wParam));
      return 0;
    case WM_CLOSE:
      c->dono->Fechar();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) c->dono->FimDeSessao();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) c->sistema->Ganchos().JanelaAtivada(hwnd, kClasseQuadro);
      // The default would give the focus to the window itself.
      if (LOWORD(wParam) != WA_INACTIVE && c->dono->ControleComFoco() != 0) {
        SetFocus(reinterpret_cast<HWND>(c->dono->ControleComFoco()));
        return 0;
      }
      break;
    case WM_NCDESTROY:
      JanelaDestruida();
      delete c;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      break;
    default:
      if (const auto resposta = c->sistema->Ganchos().Responder(msg)) return *resposta;
      if (msg >= 0xC000 && msg <= 0xFFFF) c->dono->MensagemRegistrada(msg);
      break;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

// A memory DC holding a 32-bit DIB: what AutoRedraw keeps. The DC goes
// first, putting back what was selected, then the bitmap.
struct Win32Janelas::ImagemPersistente {
  ObjetoGdi bitmap;
  DcMemoria dc;
};

Win32Janelas::Win32Janelas(HINSTANCE instancia, HCURSOR mao, HICON iconeAplicacao,
                           HICON iconeSobre, HICON iconeSobrePequeno)
    : instancia_(instancia),
      mao_(mao),
      iconeAplicacao_(iconeAplicacao),
      iconeSobre_(iconeSobre),
      iconeSobrePequeno_(iconeSobrePequeno) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ProcJanela;
  wc.hInstance = instancia_;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassePrincipal;
  wc.hIcon = iconeAplicacao_;
  RegisterClassExW(&wc);
  // The board and the dialog tell a double click from two clicks.
  wc.style = CS_DBLCLKS;
  wc.hIcon = nullptr;
  wc.lpszClassName = kClasseQuadro;
  RegisterClassExW(&wc);
  wc.lpszClassName = kClasseSobre;
  wc.hIcon = iconeSobre_;
  wc.hIconSm = iconeSobrePequeno_;  // its own 16 x 16 image, not the large one shrunk
  RegisterClassExW(&wc);
}

Win32Janelas::~Win32Janelas() = default;

int Win32Janelas::TwipsPorPixelX() {
  HDC tela = GetDC(nullptr);
  const int dpi = GetDeviceCaps(tela, LOGPIXELSX);
  ReleaseDC(nullptr, tela);
  return dpi > 0 ? 1440 / dpi : 15;
}

int Win32Janelas::TwipsPorPixelY() {
  HDC tela = GetDC(nullptr);
  const int dpi = GetDeviceCaps(tela, LOGPIXELSY);
  ReleaseDC(nullptr, tela);
  return dpi > 0 ? 1440 / dpi : 15;
}

int Win32Janelas::LarguraTelaPixels() { return GetSystemMetrics(SM_CXSCREEN); }

Cor Win32Janelas::CorSistema(int indice) { return GetSysColor(indice); }

Hwnd Win32Janelas::CriarJanelaQuadro(ManipuladorJanela& dono, int x, int y, int w, int h) {
  auto* contexto = new Contexto{this, &dono};
  HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, kClasseQuadro, L"", WS_POPUP, x, y, w, h,
                              nullptr, nullptr, instancia_, contexto);
  if (hwnd == nullptr) delete contexto;
  return reinterpret_cast<Hwnd>(hwnd);
}

void Win32Janelas::MoverJanela(Hwnd janela, int x, int y, int w, int h) {
  MoveWindow(reinterpret_cast<HWND>(janela), x, y, w, h, TRUE);
}

SistemaJanelas::Retangulo Win32Janelas::RetanguloJanela(Hwnd janela) {
  RECT r{};
  GetWindowRect(reinterpret_cast<HWND>(janela), &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Win32Janelas::MostrarJanela(Hwnd janela, bool visivel) {
  ShowWindow(reinterpret_cast<HWND>(janela), visivel ? SW_SHOW : SW_HIDE);
}

void Win32Janelas::Redesenhar(Hwnd janela) {
  InvalidateRect(reinterpret_cast<HWND>(janela), nullptr, FALSE);
}

int Win32Janelas::SetWindowPos(Hwnd janela, std::intptr_t depoisDe, int x, int y, int cx,
                               int cy, unsigned flags) {
  return ::SetWindowPos(reinterpret_cast<HWND>(janela), reinterpret_cast<HWND>(depoisDe), x, y,
                        cx, cy, flags);
}

Hdc Win32Janelas::CriarImagemPersistente(const Imagem& imagem) {
  auto p = std::make_unique<ImagemPersistente>();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = imagem.largura;
  info.bmiHeader.biHeight = -imagem.altura;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  p->bitmap = ObjetoGdi(CreateDIBSection(p->dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (p->dc.get() == nullptr || p->bitmap.get() == nullptr) return 0;
  auto* destino = static_cast<std::uint32_t*>(bits);
  for (std::size_t i = 0; i < imagem.pixels.size(); ++i) {
    const Cor c = imagem.pixels[i];  // 0x00BBGGRR -> 0x00RRGGBB
    destino[i] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  }
  p->dc.Selecionar(p->bitmap.get());
  const Hdc dc = reinterpret_cast<Hdc>(p->dc.get());
  imagens_.push_back(std::move(p));
  return dc;
}

Cor Win32Janelas::GetPixel(Hdc dc, int x, int y) {
  return ::GetPixel(reinterpret_cast<HDC>(dc), x, y);
}

Hrgn Win32Janelas::CreateRectRgn(int esquerda, int topo, int direita, int base) {
  HRGN regiao = ::CreateRectRgn(esquerda, topo, direita, base);
  if (regiao != nullptr) regioes_.emplace(regiao, ObjetoGdi(regiao));
  return reinterpret_cast<Hrgn>(regiao);
}

int Win32Janelas::CombineRgn(Hrgn destino, Hrgn a, Hrgn b, int modo) {
  return ::CombineRgn(reinterpret_cast<HRGN>(destino), reinterpret_cast<HRGN>(a),
                      reinterpret_cast<HRGN>(b), modo);
}

bool Win32Janelas::DeleteObject(Hrgn regiao) {
  const auto it = regioes_.find(reinterpret_cast<HRGN>(regiao));
  if (it == regioes_.end()) return ::DeleteObject(reinterpret_cast<HRGN>(regiao)) != 0;
  regioes_.erase(it);
  return true;
}

// The window takes the region on success only; until then it stays ours.
int Win32Janelas::SetWindowRgn(Hwnd janela, Hrgn regiao, bool redesenhar) {
  HRGN r = reinterpret_cast<HRGN>(regiao);
  const int feito = ::SetWindowRgn(reinterpret_cast<HWND>(janela), r, redesenhar ? TRUE : FALSE);
  const auto it = regioes_.find(r);
  if (feito && it != regioes_.end()) {
    it->second.Soltar();
    regioes_.erase(it);
  }
  return feito;
}

HFONT Win32Janelas::FonteGdi(const Fonte& f) {
  const std::wstring chave = Largo(f.nome) + L"|" + std::to_wstring(f.pontos) +
                             (f.negrito ? L"b" : L"") + (f.italico ? L"i" : L"") +
                             (f.sublinhado ? L"u" : L"");
  const auto it = fontes_.find(chave);
  if (it != fontes_.end()) return static_cast<HFONT>(it->second.get());
  HDC tela = GetDC(nullptr);
  const int altura = -static_cast<int>(std::lround(f.pontos * GetDeviceCaps(tela, LOGPIXELSY) / 72.0));
  ReleaseDC(nullptr, tela);
  HFONT fonte = CreateFontW(altura, 0, 0, 0, f.negrito ? FW_BOLD : FW_NORMAL, f.italico,
                            f.sublinhado, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                            Largo(f.nome).c_str());
  fontes_[chave] = ObjetoGdi(fonte);
  return fonte;
}

int Win32Janelas::AlturaTexto(const std::string& texto, const Fonte& fonte, int largura) {
  HDC tela = GetDC(nullptr);
  HGDIOBJ anterior = SelectObject(tela, FonteGdi(fonte));
  RECT r{0, 0, largura, 0};
  const std::wstring largo = Largo(texto);
  DrawTextW(tela, largo.c_str(), static_cast<int>(largo.size()), &r,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_CENTER);
  SelectObject(tela, anterior);
  ReleaseDC(nullptr, tela);
  return r.bottom > 0 ? r.bottom : AlturaLinha(fonte);
}

int Win32Janelas::AlturaLinha(const Fonte& fonte) {
  HDC tela = GetDC(nullptr);
  HGDIOBJ anterior = SelectObject(tela, FonteGdi(fonte));
  TEXTMETRICW tm{};
  GetTextMetricsW(tela, &tm);
  SelectObject(tela, anterior);
  ReleaseDC(nullptr, tela);
  return tm.tmHeight;
}

void Win32Janelas::Pintar(HWND janela, ManipuladorJanela& dono) {
  PAINTSTRUCT ps{};
  HDC dc = BeginPaint(janela, &ps);
  const Cena cena = dono.Desenho();
  RECT cliente{};
  GetClientRect(janela, &cliente);
  if (cena.fundo != 0) {
    BitBlt(dc, 0, 0, cliente.right, cliente.bottom, reinterpret_cast<HDC>(cena.fundo), 0, 0,
           SRCCOPY);
  } else {
    FillRect(dc, &cliente, GetSysColorBrush(COLOR_BTNFACE));
  }
  if (cena.temCorFundo) {
    ObjetoGdi pincel(CreateSolidBrush(cena.corFundo));
    FillRect(dc, &cliente, static_cast<HBRUSH>(pincel.get()));
  }
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ fonteAnterior = GetCurrentObject(dc, OBJ_FONT);
  for (const TextoPintado& t : cena.textos) {
    SelectObject(dc, FonteGdi(t.fonte));
    SetTextColor(dc, t.cor);
    RECT r{t.x, t.y, t.x + t.largura, t.y + t.altura};
    const std::wstring largo = Largo(t.texto);
    DrawTextW(dc, largo.c_str(), static_cast<int>(largo.size()), &r, FormatoTexto(t));
  }
  SelectObject(dc, fonteAnterior);
  EndPaint(janela, &ps);
}

int Win32Janelas::AlturaTelaPixels() { return GetSystemMetrics(SM_CYSCREEN); }

Hwnd Win32Janelas::CriarJanelaOculta(ManipuladorJanela& dono, const std::string& titulo) {
  auto* contexto = new Contexto{this, &dono};
  HWND hwnd = CreateWindowExW(0, kClassePrincipal, Largo(titulo).c_str(), WS_OVERLAPPEDWINDOW,
                              CW_USEDEFAULT, CW_USEDEFAULT, 240, 120, nullptr, nullptr,
                              instancia_, contexto);
  if (hwnd == nullptr) delete contexto;
  return reinterpret_cast<Hwnd>(hwnd);
}

std::uintptr_t Win32Janelas::IconeAplicacao() {
  return reinterpret_cast<std::uintptr_t>(iconeAplicacao_);
}

unsigned Win32Janelas::RegistrarMensagem(const std::string& nome) {
  return RegisterWindowMessageW(Largo(nome).c_str());
}

#ifndef _WIN64
// In the 32-bit program this is the 88-byte record, field for field.
static_assert(NOTIFYICONDATAA_V1_SIZE == 88);
static_assert(offsetof(NOTIFYICONDATAA, hIcon) == 20 && offsetof(NOTIFYICONDATAA, szTip) == 24);
#endif

int Win32Janelas::ShellNotifyIcon(int mensagem, const DadosIconeBandeja& d) {
  NOTIFYICONDATAA nid{};
  nid.cbSize = NOTIFYICONDATAA_V1_SIZE;  // 88 bytes in the 32-bit program
  nid.hWnd = reinterpret_cast<HWND>(d.hWnd);
  nid.uID = d.uID;
  nid.uFlags = d.uFlags;
  nid.uCallbackMessage = d.uCallbackMessage;
  nid.hIcon = reinterpret_cast<HICON>(d.hIcon);
  static_assert(sizeof d.szTip == 64);
  for (int i = 0; i < 64; ++i) nid.szTip[i] = d.szTip[i];
  return Shell_NotifyIconA(static_cast<DWORD>(mensagem), &nid);
}

// The host is brought to the foreground first and sent a null message
// after, so that the menu closes when the user clicks elsewhere.
int Win32Janelas::MostrarMenu(Hwnd dono, const std::vector<ItemMenu>& itens) {
  MenuPopup popup;
  HMENU menu = popup.get();
  if (menu == nullptr) return -1;
  for (std::size_t i = 0; i < itens.size(); ++i) {
    AppendMenuW(menu, MF_STRING | (itens[i].marcado ? MF_CHECKED : MF_UNCHECKED), i + 1,
                Largo(itens[i].legenda).c_str());
  }
  HWND janela = reinterpret_cast<HWND>(dono);
  POINT p{};
  GetCursorPos(&p);
  SetForegroundWindow(janela);
  const int escolha = TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD |
                                               TPM_NONOTIFY,
                                     p.x, p.y, 0, janela, nullptr);
  PostMessageW(janela, WM_NULL, 0, 0);
  return escolha - 1;
}

// The address goes to the shell as UTF-16 made from Windows-1252, so that
// its accented letters survive whatever the system code page is.
void Win32Janelas::AbrirNoShell(Hwnd dono, const std::string& arquivo,
                                const std::string& pasta, int mostrar) {
  ShellExecuteW(reinterpret_cast<HWND>(dono), nullptr, Largo(arquivo).c_str(), nullptr,
                Largo(pasta).c_str(), mostrar);
}

void Win32Janelas::ReleaseCapture() { ::ReleaseCapture(); }

// The physical button, wherever the user has put the primary one. A release
// already waiting in the queue means it is up, whatever the key state says
// (Wine's lags behind the X server).
bool Win32Janelas::BotaoEsquerdoPressionado() {
  const int botao = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
  MSG soltura{};
  return GetAsyncKeyState(botao) < 0 &&
         !PeekMessageW(&soltura, nullptr, WM_LBUTTONUP, WM_LBUTTONUP, PM_NOREMOVE | PM_NOYIELD);
}

long Win32Janelas::EnviarMensagem(Hwnd janela, unsigned mensagem, std::uintptr_t w,
                               std::intptr_t l) {
  return static_cast<long>(SendMessageW(reinterpret_cast<HWND>(janela), mensagem, w, l));
}

void Win32Janelas::DefinirDica(Hwnd janela, int id, int x, int y, int w, int h,
                               const std::string& texto) {
  HWND dono = reinterpret_cast<HWND>(janela);
  HWND& dica = dicas_[dono];
  if (dica == nullptr) {
    dica = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dono, nullptr,
                           instancia_, nullptr);
  }
  std::wstring largo = Largo(texto);
  TOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_SUBCLASS;
  ti.hwnd = dono;
  ti.uId = static_cast<UINT_PTR>(id);
  ti.rect = {x, y, x + w, y + h};
  ti.lpszText = largo.data();
  ::SendMessageW(dica, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

Hwnd Win32Janelas::CriarJanelaDialogo(ManipuladorJanela& dono, const std::string& titulo,
                                      int larguraCliente, int alturaCliente, Cor) {
  const DWORD estilo = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  const DWORD estiloEx = WS_EX_APPWINDOW;
  RECT r{0, 0, larguraCliente, alturaCliente};
  AdjustWindowRectEx(&r, estilo, FALSE, estiloEx);
  auto* contexto = new Contexto{this, &dono};
  HWND hwnd = CreateWindowExW(estiloEx, kClasseSobre, Largo(titulo).c_str(), estilo, 0, 0,
                              r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                              instancia_, contexto);
  if (hwnd == nullptr) delete contexto;
  return reinterpret_cast<Hwnd>(hwnd);
}

Hwnd Win32Janelas::CriarBotao(Hwnd pai, int id, const std::string& legenda, int x, int y,
                              int w, int h, const Fonte& fonte) {
  HWND botao = CreateWindowExW(0, L"BUTTON", Largo(legenda).c_str(),
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, x, y, w, h,
                               reinterpret_cast<HWND>(pai),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instancia_,
                               nullptr);
  ::SendMessageW(botao, WM_SETFONT, reinterpret_cast<WPARAM>(FonteGdi(fonte)), FALSE);
  return reinterpret_cast<Hwnd>(botao);
}

void Win32Janelas::CentralizarNaTela(Hwnd janela) {
  HWND hwnd = reinterpret_cast<HWND>(janela);
  RECT r{};
  GetWindowRect(hwnd, &r);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  SetWindowPos(janela, 0, (GetSystemMetrics(SM_CXSCREEN) - w) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

struct Desabilitar {
  HWND modal;
  std::vector<HWND>& janelas;
};

BOOL CALLBACK DesabilitarOutra(HWND hwnd, LPARAM lParam) {
  auto* d = reinterpret_cast<Desabilitar*>(lParam);
  if (hwnd != d->modal && IsWindowEnabled(hwnd)) {
    EnableWindow(hwnd, FALSE);
    d->janelas.push_back(hwnd);
  }
  return TRUE;
}

}  // namespace

// The program's other windows are disabled while the dialog runs its own
// message loop, so they take no clicks or keys; the dialog manager gives
// the button its keys (Alt+O, Enter, Space).
void Win32Janelas::ExecutarModal(Hwnd janela) {
  HWND modal = reinterpret_cast<HWND>(janela);
  desabilitadasPeloModal_.clear();
  Desabilitar d{modal, desabilitadasPeloModal_};
  EnumThreadWindows(GetCurrentThreadId(), DesabilitarOutra, reinterpret_cast<LPARAM>(&d));
  ShowWindow(modal, SW_SHOW);
  SetForegroundWindow(modal);
  SetFocus(GetWindow(modal, GW_CHILD));
  MSG msg{};
  bool sair = false;
  while (IsWindow(modal)) {
    const BOOL r = GetMessageW(&msg, nullptr, 0, 0);
    if (r <= 0) {
      sair = true;
      break;
    }
    if (!IsDialogMessageW(modal, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  ReabilitarOutras();
  if (sair) PostQuitMessage(static_cast<int>(msg.wParam));
}

void Win32Janelas::ReabilitarOutras() {
  for (HWND h : desabilitadasPeloModal_) {
    if (IsWindow(h)) EnableWindow(h, TRUE);
  }
  desabilitadasPeloModal_.clear();
}

// Enabled before the dialog goes, the program's windows can take the
// activation from it; otherwise it jumps to another application.
void Win32Janelas::FecharModal(Hwnd janela) {
  ReabilitarOutras();
  DestroyWindow(reinterpret_cast<HWND>(janela));
}

void Win32Janelas::DestruirJanela(Hwnd janela) { DestroyWindow(reinterpret_cast<HWND>(janela)); }

void Win32Janelas::TrazerParaFrente(Hwnd janela) {
  HWND hwnd = reinterpret_cast<HWND>(janela);
  SetForegroundWindow(hwnd);
  BringWindowToTop(hwnd);
}

}  // namespace quillora
