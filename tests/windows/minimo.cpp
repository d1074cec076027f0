// quillora-minimo: the smallest Win32 program that opens one window, the
// yardstick for Quillora's start-up time.
#include <windows.h>

namespace {

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instancia, HINSTANCE, PWSTR, int) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Proc;
  wc.hInstance = instancia;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"QuilloraMinimo";
  RegisterClassExW(&wc);
  HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, L"QuilloraMinimo", L"", WS_POPUP, 0, 0, 350, 160,
                              nullptr, nullptr, instancia, nullptr);
  ShowWindow(hwnd, SW_SHOW);
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}
