#include "platform/win32/janelas_win32.h"

#include <windowsx.h>

#include <cmath>

#include "platform/win32/texto_win32.h"

namespace quillora {
namespace {

constexpr wchar_t kClasseQuadro[] = L"QuilloraQuadro";

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
  UINT f = DT_NOPREFIX;  // ampersands show as they are
  if (t.quebra) f |= DT_WORDBREAK;
  if (t.alinhamento == Alinhamento::Centro) f |= DT_CENTER;
  if (t.alinhamento == Alinhamento::Direita) f |= DT_RIGHT;
  return f;
}

// The window procedure only finds its object and hands the message on.
LRESULT CALLBACK ProcQuadro(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
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
    case WM_NCDESTROY:
      delete c;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

// A memory DC holding a 32-bit DIB: what AutoRedraw keeps.
struct Win32Janelas::ImagemPersistente {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ anterior = nullptr;
  int largura = 0, altura = 0;
  ~ImagemPersistente() {
    if (dc) SelectObject(dc, anterior);
    if (bitmap) ::DeleteObject(bitmap);
    if (dc) DeleteDC(dc);
  }
};

Win32Janelas::Win32Janelas(HINSTANCE instancia, HCURSOR mao) : instancia_(instancia), mao_(mao) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ProcQuadro;
  wc.hInstance = instancia_;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kClasseQuadro;
  RegisterClassExW(&wc);
}

Win32Janelas::~Win32Janelas() {
  for (auto& [nome, fonte] : fontes_) ::DeleteObject(fonte);
}

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
  p->dc = CreateCompatibleDC(nullptr);
  p->bitmap = CreateDIBSection(p->dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (p->dc == nullptr || p->bitmap == nullptr) return 0;
  auto* destino = static_cast<std::uint32_t*>(bits);
  for (std::size_t i = 0; i < imagem.pixels.size(); ++i) {
    const Cor c = imagem.pixels[i];  // 0x00BBGGRR -> 0x00RRGGBB
    destino[i] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  }
  p->anterior = SelectObject(p->dc, p->bitmap);
  p->largura = imagem.largura;
  p->altura = imagem.altura;
  const Hdc dc = reinterpret_cast<Hdc>(p->dc);
  imagens_.push_back(std::move(p));
  return dc;
}

Cor Win32Janelas::GetPixel(Hdc dc, int x, int y) {
  return ::GetPixel(reinterpret_cast<HDC>(dc), x, y);
}

Hrgn Win32Janelas::CreateRectRgn(int esquerda, int topo, int direita, int base) {
  return reinterpret_cast<Hrgn>(::CreateRectRgn(esquerda, topo, direita, base));
}

int Win32Janelas::CombineRgn(Hrgn destino, Hrgn a, Hrgn b, int modo) {
  return ::CombineRgn(reinterpret_cast<HRGN>(destino), reinterpret_cast<HRGN>(a),
                      reinterpret_cast<HRGN>(b), modo);
}

bool Win32Janelas::DeleteObject(Hrgn regiao) {
  return ::DeleteObject(reinterpret_cast<HRGN>(regiao)) != 0;
}

int Win32Janelas::SetWindowRgn(Hwnd janela, Hrgn regiao, bool redesenhar) {
  return ::SetWindowRgn(reinterpret_cast<HWND>(janela), reinterpret_cast<HRGN>(regiao),
                        redesenhar ? TRUE : FALSE);
}

HFONT Win32Janelas::FonteGdi(const Fonte& f) {
  const std::wstring chave = Largo(f.nome) + L"|" + std::to_wstring(f.pontos) +
                             (f.negrito ? L"b" : L"") + (f.italico ? L"i" : L"") +
                             (f.sublinhado ? L"u" : L"");
  const auto it = fontes_.find(chave);
  if (it != fontes_.end()) return it->second;
  HDC tela = GetDC(nullptr);
  const int altura = -static_cast<int>(std::lround(f.pontos * GetDeviceCaps(tela, LOGPIXELSY) / 72.0));
  ReleaseDC(nullptr, tela);
  HFONT fonte = CreateFontW(altura, 0, 0, 0, f.negrito ? FW_BOLD : FW_NORMAL, f.italico,
                            f.sublinhado, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                            Largo(f.nome).c_str());
  fontes_[chave] = fonte;
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

}  // namespace quillora
