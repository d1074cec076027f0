// quillora-inspetor: reports what the window system knows of the running
// board, for the end-to-end tests. Waits up to N seconds for the board to be
// shown and cut to its shape.
//   quillora-inspetor [N]
//   quillora-inspetor --mensagem N    the text of the "Quillora 1.0" box
//   quillora-inspetor --botao-ok      where that box and its OK button stand
//   quillora-inspetor --trancar ARQUIVO N   holds the file unshared N seconds
//   quillora-inspetor --objetos       live GDI and USER objects (test build)
//   quillora-inspetor --bandeja N     N left clicks, as the tray reports them,
//       each waited for until the board has painted; the time each took
//   quillora-inspetor --bandeja-direita   one right click, the same way
//   quillora-inspetor --cronometro CLASSE   says "pronto", then prints the
//       Unix time in ns at which a visible window of that class appeared
//   quillora-inspetor --dica N        the text of the tooltip on show
//   quillora-inspetor --movimento-velho   posts the board a mouse move that
//       says the left button is down over the author label (it is not)
//   quillora-inspetor --mutex-negado N   holds the program's single-instance
//       mutex for N seconds with a DACL that lets nobody open it
//   quillora-inspetor --com           the COM apartment of the program's
//       user-interface thread (test build)
//   quillora-inspetor --fim-de-sessao  asks the host whether the session may
//       end, then tells it that it ends
//   quillora-inspetor --ativacoes     how often the board has been
//       activated (test build)
//   quillora-inspetor --escala N      tells the board and the host that their
//       screen now stands at N dots per inch (test build)
//   quillora-inspetor --ponteiro      the width of the pointer the program
//       shows (test build), and the cursor size the system asks at the
//       board's scale
#include <windows.h>

#include <sddl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A board is ready once visible and cut to its shape: the region is the last
// thing its load step sets, after it took the picture's size.
bool Pronto(HWND h) {
  if (h == nullptr || !IsWindowVisible(h)) return false;
  HRGN r = CreateRectRgn(0, 0, 0, 0);
  const bool recortado = GetWindowRgn(h, r) != ERROR;
  DeleteObject(r);
  return recortado;
}

HWND EsperarQuadro(int segundos) {
  const DWORD limite = GetTickCount() + static_cast<DWORD>(segundos) * 1000;
  for (;;) {
    HWND h = FindWindowW(L"QuilloraQuadro", nullptr);
    if (Pronto(h)) return h;
    if (GetTickCount() > limite) return h;
    Sleep(100);
  }
}

void Dentro(HRGN r, POINT p) {
  std::printf("inside %ld %ld=%d\n", p.x, p.y, PtInRegion(r, p.x, p.y));
}

void Regiao(HWND h) {
  HRGN r = CreateRectRgn(0, 0, 0, 0);
  const int tipo = GetWindowRgn(h, r);
  std::printf("region_type=%d\n", tipo);
  if (tipo == ERROR) {
    DeleteObject(r);
    return;
  }
  const DWORD tamanho = GetRegionData(r, 0, nullptr);
  std::vector<char> dados(tamanho);
  auto* rd = reinterpret_cast<RGNDATA*>(dados.data());
  GetRegionData(r, tamanho, rd);
  const RECT* rects = reinterpret_cast<const RECT*>(rd->Buffer);
  std::printf("region_rects=%lu\n", rd->rdh.nCount);
  std::printf("region_bounds=%ld %ld %ld %ld\n", rd->rdh.rcBound.left, rd->rdh.rcBound.top,
              rd->rdh.rcBound.right, rd->rdh.rcBound.bottom);
  for (DWORD i = 0; i < rd->rdh.nCount; ++i) {
    std::printf("rect=%ld %ld %ld %ld\n", rects[i].left, rects[i].top, rects[i].right,
                rects[i].bottom);
  }
  const POINT dentro[] = {{5, 80}, {20, 5}};
  const POINT fora[] = {{0, 0}, {4, 80}, {345, 80}, {19, 5}, {330, 5}};
  for (const POINT& p : dentro) Dentro(r, p);
  for (const POINT& p : fora) Dentro(r, p);
  DeleteObject(r);
}

BOOL CALLBACK TextoEstatico(HWND h, LPARAM saida) {
  wchar_t classe[32] = {};
  GetClassNameW(h, classe, 32);
  if (std::wstring(classe) != L"Static") return TRUE;
  wchar_t texto[512] = {};
  GetWindowTextW(h, texto, 512);
  if (texto[0] != 0) *reinterpret_cast<std::wstring*>(saida) += texto;
  return TRUE;
}

std::string Utf8(const std::wstring& texto) {
  std::string saida;
  for (wchar_t c : texto) {
    char bytes[8] = {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, &c, 1, bytes, 8, nullptr, nullptr);
    saida.append(bytes, static_cast<std::size_t>(n));
  }
  return saida;
}

HWND EsperarCaixa(int segundos) {
  const DWORD limite = GetTickCount() + static_cast<DWORD>(segundos) * 1000;
  HWND caixa = nullptr;
  while ((caixa = FindWindowW(L"#32770", L"Quillora 1.0")) == nullptr) {
    if (GetTickCount() > limite) return nullptr;
    Sleep(100);
  }
  return caixa;
}

// The message box's text, its lines joined by " | ", in UTF-8.
int Mensagem(int segundos) {
  HWND caixa = EsperarCaixa(segundos);
  if (caixa == nullptr) {
    std::printf("message=none\n");
    return 1;
  }
  std::wstring texto;
  EnumChildWindows(caixa, TextoEstatico, reinterpret_cast<LPARAM>(&texto));
  std::wstring linhas;
  for (wchar_t c : texto) {
    if (c == L'\n') linhas += L" | ";
    else if (c != L'\r') linhas += c;
  }
  std::printf("message=%s\n", Utf8(linhas).c_str());
  return 0;
}

// Where the message box's client area and its OK button stand on the
// screen, as the program's side sees them.
int BotaoOk() {
  HWND caixa = EsperarCaixa(0);
  HWND ok = caixa ? GetDlgItem(caixa, IDOK) : nullptr;
  if (ok == nullptr) return 1;
  POINT origem{0, 0};
  ClientToScreen(caixa, &origem);
  RECT r{};
  GetWindowRect(ok, &r);
  std::printf("box=%ld %ld\nok=%ld %ld\n", origem.x, origem.y, (r.left + r.right) / 2,
              (r.top + r.bottom) / 2);
  return 0;
}

int Trancar(const char* arquivo, int segundos) {
  HANDLE h = CreateFileA(arquivo, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return 1;
  std::printf("locked\n");
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(segundos) * 1000);
  CloseHandle(h);
  return 0;
}

// Asks a test build the question registered as `nome`; -1 without an answer.
long Perguntar(const wchar_t* nome) {
  HWND host = FindWindowW(L"QuilloraPrincipal", nullptr);
  if (host == nullptr) return -1;
  DWORD_PTR resposta = 0;
  if (!SendMessageTimeoutW(host, RegisterWindowMessageW(nome), 0, 0, SMTO_NORMAL, 5000,
                           &resposta)) {
    return -1;
  }
  return static_cast<long>(resposta);
}

// The messages the shell sends the host for a click on the icon (identifier
// 100, callback 0x200, the mouse message in lParam). Each returns once the
// host has handled it, or after five seconds (a menu or a message it
// opened is then still up).
void Enviar(HWND host, LPARAM mensagem) {
  DWORD_PTR ignorado = 0;
  SendMessageTimeoutW(host, 0x200, 100, mensagem, SMTO_NORMAL, 5000, &ignorado);
}

int Bandeja(int cliques, LPARAM baixo, LPARAM cima) {
  HWND host = FindWindowW(L"QuilloraPrincipal", nullptr);
  if (host == nullptr) return 1;
  HWND quadro = FindWindowW(L"QuilloraQuadro", nullptr);
  LARGE_INTEGER frequencia{}, inicio{}, fim{};
  QueryPerformanceFrequency(&frequencia);
  QueryPerformanceCounter(&inicio);
  for (int i = 0; i < cliques; ++i) {
    Enviar(host, baixo);
    Enviar(host, cima);
    if (quadro != nullptr) UpdateWindow(quadro);  // the new phrase painted
  }
  QueryPerformanceCounter(&fim);
  std::printf("clicks=%d\n", cliques);
  if (cliques > 0) {
    std::printf("ms_per_click=%.3f\n", static_cast<double>(fim.QuadPart - inicio.QuadPart) *
                                            1000.0 / frequencia.QuadPart / cliques);
  }
  return 0;
}

int Cronometro(const char* classe) {
  const std::wstring nome(classe, classe + std::string(classe).size());
  std::printf("pronto\n");
  std::fflush(stdout);
  for (;;) {
    HWND h = FindWindowW(nome.c_str(), nullptr);
    if (h != nullptr && IsWindowVisible(h)) break;
    Sleep(1);
  }
  FILETIME agora{};
  GetSystemTimePreciseAsFileTime(&agora);
  const unsigned long long cem_ns =
      (static_cast<unsigned long long>(agora.dwHighDateTime) << 32) | agora.dwLowDateTime;
  // FILETIME counts from 1601 in 100 ns steps.
  std::printf("%llu\n", (cem_ns - 116444736000000000ULL) * 100);
  return 0;
}

BOOL CALLBACK DicaVisivel(HWND h, LPARAM saida) {
  wchar_t classe[64] = {};
  GetClassNameW(h, classe, 64);
  if (lstrcmpiW(classe, L"tooltips_class32") != 0 || !IsWindowVisible(h)) return TRUE;
  wchar_t texto[256] = {};
  DWORD_PTR ignorado = 0;
  SendMessageTimeoutW(h, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(texto), SMTO_ABORTIFHUNG,
                      2000, &ignorado);
  if (texto[0] == 0) return TRUE;
  *reinterpret_cast<std::wstring*>(saida) = texto;
  return FALSE;
}

// The tooltip that the system shows (the tray's, for instance), in UTF-8.
int Dica(int segundos) {
  const DWORD limite = GetTickCount() + static_cast<DWORD>(segundos) * 1000;
  std::wstring texto;
  while (EnumWindows(DicaVisivel, reinterpret_cast<LPARAM>(&texto)), texto.empty()) {
    if (GetTickCount() > limite) {
      std::printf("tooltip=none\n");
      return 1;
    }
    Sleep(100);
  }
  std::printf("tooltip=%s\n", Utf8(texto).c_str());
  return 0;
}

// What the system sends after a popup menu closes when the click that
// closed it landed on a label: a move that still reports the left button.
int MovimentoVelho() {
  HWND quadro = FindWindowW(L"QuilloraQuadro", nullptr);
  if (quadro == nullptr) return 1;
  PostMessageW(quadro, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 141));
  std::printf("posted\n");
  return 0;
}

int MutexNegado(int segundos) {
  SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, FALSE};
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(
          L"D:(D;;GA;;;WD)(D;;GA;;;AN)", SDDL_REVISION_1, &sa.lpSecurityDescriptor, nullptr)) {
    return 1;
  }
  HANDLE h = CreateMutexW(&sa, FALSE, L"Local\\Brenvic.Quillora");
  if (h == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) return 1;
  std::printf("held\n");
  std::fflush(stdout);
  Sleep(static_cast<DWORD>(segundos) * 1000);
  CloseHandle(h);
  return 0;
}

// What the system sends each program when the user logs off.
int FimDeSessao() {
  HWND host = FindWindowW(L"QuilloraPrincipal", nullptr);
  if (host == nullptr) return 1;
  DWORD_PTR pode = 0;
  SendMessageTimeoutW(host, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 5000, &pode);
  std::printf("query_answer=%d\n", pode ? 1 : 0);
  std::fflush(stdout);
  DWORD_PTR ignorado = 0;
  SendMessageTimeoutW(host, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 5000, &ignorado);
  return 0;
}

// The board, then the host, hear that their screen's scale changed.
int Escala(int dpi) {
  const UINT mensagem = RegisterWindowMessageW(L"Quillora.MudarEscala");
  for (const wchar_t* classe : {L"QuilloraQuadro", L"QuilloraPrincipal"}) {
    HWND janela = FindWindowW(classe, nullptr);
    DWORD_PTR resposta = 0;
    if (janela == nullptr ||
        !SendMessageTimeoutW(janela, mensagem, static_cast<WPARAM>(dpi), 0, SMTO_NORMAL, 5000,
                             &resposta)) {
      return 1;
    }
  }
  std::printf("scale=%d\n", dpi);
  return 0;
}

// The cursor size the system asks at the board's scale.
int CursorDoSistema() {
  using PorJanela = UINT(WINAPI*)(HWND);
  using PorDpi = int(WINAPI*)(int, UINT);
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  const auto dpiJanela = reinterpret_cast<PorJanela>(
      reinterpret_cast<void*>(GetProcAddress(user32, "GetDpiForWindow")));
  const auto metrica = reinterpret_cast<PorDpi>(
      reinterpret_cast<void*>(GetProcAddress(user32, "GetSystemMetricsForDpi")));
  HWND quadro = FindWindowW(L"QuilloraQuadro", nullptr);
  if (dpiJanela == nullptr || metrica == nullptr || quadro == nullptr) return 1;
  std::printf("system_cursor=%d\n", metrica(SM_CXCURSOR, dpiJanela(quadro)));
  return 0;
}

BOOL CALLBACK ContarHost(HWND h, LPARAM contagem) {
  wchar_t classe[64] = {};
  GetClassNameW(h, classe, 64);
  if (std::wstring(classe) == L"QuilloraPrincipal") ++*reinterpret_cast<int*>(contagem);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 && std::string(argv[1]) == "--mensagem") return Mensagem(std::atoi(argv[2]));
  if (argc > 1 && std::string(argv[1]) == "--botao-ok") return BotaoOk();
  if (argc > 3 && std::string(argv[1]) == "--trancar") return Trancar(argv[2], std::atoi(argv[3]));
  if (argc > 1 && std::string(argv[1]) == "--objetos") {
    std::printf("objects=%ld\n", Perguntar(L"Quillora.ObjetosVivos"));
    return 0;
  }
  if (argc > 2 && std::string(argv[1]) == "--cronometro") return Cronometro(argv[2]);
  if (argc > 2 && std::string(argv[1]) == "--bandeja") {
    return Bandeja(std::atoi(argv[2]), WM_LBUTTONDOWN, WM_LBUTTONUP);
  }
  if (argc > 1 && std::string(argv[1]) == "--bandeja-direita") {
    return Bandeja(1, WM_RBUTTONDOWN, WM_RBUTTONUP);
  }
  if (argc > 2 && std::string(argv[1]) == "--dica") return Dica(std::atoi(argv[2]));
  if (argc > 1 && std::string(argv[1]) == "--movimento-velho") return MovimentoVelho();
  if (argc > 2 && std::string(argv[1]) == "--mutex-negado") return MutexNegado(std::atoi(argv[2]));
  if (argc > 1 && std::string(argv[1]) == "--com") {
    const long r = Perguntar(L"Quillora.ApartamentoCom");
    std::printf("com=%s\n", r == 1 ? "sta" : r == 2 ? "mta" : "none");
    return 0;
  }
  if (argc > 1 && std::string(argv[1]) == "--fim-de-sessao") return FimDeSessao();
  if (argc > 1 && std::string(argv[1]) == "--ativacoes") {
    std::printf("board_activations=%ld\n", Perguntar(L"Quillora.AtivacoesQuadro"));
    return 0;
  }
  if (argc > 2 && std::string(argv[1]) == "--escala") return Escala(std::atoi(argv[2]));
  if (argc > 1 && std::string(argv[1]) == "--ponteiro") {
    std::printf("pointer=%ld\n", Perguntar(L"Quillora.LadoPonteiro"));
    return CursorDoSistema();
  }
  const int segundos = argc > 1 ? std::atoi(argv[1]) : 0;
  HWND h = EsperarQuadro(segundos);
  // Running copies of the program (each has one host window), in this
  // Wine prefix only.
  int copias = 0;
  EnumWindows(ContarHost, reinterpret_cast<LPARAM>(&copias));
  std::printf("copies=%d\n", copias);
  if (h == nullptr) {
    std::printf("board=none\n");
    return 1;
  }
  RECT r{};
  GetWindowRect(h, &r);
  const LONG_PTR ex = GetWindowLongPtrW(h, GWL_EXSTYLE);
  std::printf("board=found\n");
  std::printf("screen=%d %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  std::printf("rect=%ld %ld %ld %ld\n", r.left, r.top, r.right, r.bottom);
  std::printf("visible=%d\n", IsWindowVisible(h) ? 1 : 0);
  std::printf("topmost=%d\n", (ex & WS_EX_TOPMOST) ? 1 : 0);
  std::printf("toolwindow=%d\n", (ex & WS_EX_TOOLWINDOW) ? 1 : 0);
  std::printf("appwindow=%d\n", (ex & WS_EX_APPWINDOW) ? 1 : 0);
  std::printf("enabled=%d\n", IsWindowEnabled(h) ? 1 : 0);
  HWND host = FindWindowW(L"QuilloraPrincipal", nullptr);
  std::printf("host=%d visible=%d\n", host ? 1 : 0, host && IsWindowVisible(host) ? 1 : 0);
  HWND frente = GetForegroundWindow();
  wchar_t classeFrente[64] = {};
  if (frente != nullptr) GetClassNameW(frente, classeFrente, 64);
  std::printf("foreground=%s\n", frente == nullptr ? "none"
                                 : frente == h ? "board"
                                 : Utf8(classeFrente).c_str());
  HWND sobre = FindWindowW(L"QuilloraSobre", nullptr);
  if (sobre != nullptr) {
    RECT s{};
    GetWindowRect(sobre, &s);
    std::printf("sobre_rect=%ld %ld %ld %ld\n", s.left, s.top, s.right, s.bottom);
    RECT c{};
    GetClientRect(sobre, &c);
    POINT origem{0, 0};
    ClientToScreen(sobre, &origem);
    std::printf("sobre_client=%ld %ld %ld %ld\n", origem.x, origem.y, c.right, c.bottom);
    std::printf("sobre_visible=%d\n", IsWindowVisible(sobre) ? 1 : 0);
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetWindowThreadProcessId(sobre, nullptr), &gui);
    wchar_t classe[32] = {};
    if (gui.hwndFocus != nullptr) GetClassNameW(gui.hwndFocus, classe, 32);
    std::printf("sobre_focus=%s\n", gui.hwndFocus == nullptr ? "none"
                                    : gui.hwndFocus == sobre ? "dialog"
                                    : lstrcmpiW(classe, L"Button") == 0 ? "okay" : "other");
  }
  Regiao(h);
  return 0;
}
