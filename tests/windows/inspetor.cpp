// quillora-inspetor: reports what the window system knows of the running
// board, for the end-to-end tests. Waits up to N seconds for a visible board.
//   quillora-inspetor [N]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

HWND EsperarQuadro(int segundos) {
  const DWORD limite = GetTickCount() + static_cast<DWORD>(segundos) * 1000;
  for (;;) {
    HWND h = FindWindowW(L"QuilloraQuadro", nullptr);
    if (h != nullptr && IsWindowVisible(h)) return h;
    if (GetTickCount() > limite) return h;
    Sleep(100);
  }
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
  for (const POINT& p : dentro) std::printf("inside %ld %ld=%d\n", p.x, p.y, PtInRegion(r, p.x, p.y));
  for (const POINT& p : fora) std::printf("inside %ld %ld=%d\n", p.x, p.y, PtInRegion(r, p.x, p.y));
  DeleteObject(r);
}

BOOL CALLBACK ContarHost(HWND h, LPARAM contagem) {
  wchar_t classe[64] = {};
  GetClassNameW(h, classe, 64);
  if (std::wstring(classe) == L"QuilloraPrincipal") ++*reinterpret_cast<int*>(contagem);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
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
  HWND sobre = FindWindowW(L"QuilloraSobre", nullptr);
  if (sobre != nullptr) {
    RECT s{};
    GetWindowRect(sobre, &s);
    std::printf("sobre_rect=%ld %ld %ld %ld\n", s.left, s.top, s.right, s.bottom);
    std::printf("sobre_visible=%d\n", IsWindowVisible(sobre) ? 1 : 0);
  }
  Regiao(h);
  return 0;
}
