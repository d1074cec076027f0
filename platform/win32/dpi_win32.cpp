#include "platform/win32/dpi_win32.h"

#include "platform/win32/objetos_win32.h"

namespace quillora {
namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

template <typename F>
F DoUser32(const char* nome) {
  return reinterpret_cast<F>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), nome)));
}

}  // namespace

int PontosPorPolegadaDaTela() {
  const DcDaTela tela;
  return GetDeviceCaps(tela.get(), LOGPIXELSY);
}

int PontosPorPolegadaDaJanela(HWND janela) {
  static const auto porJanela = DoUser32<GetDpiForWindowFn>("GetDpiForWindow");
  const int dpi = porJanela && janela ? static_cast<int>(porJanela(janela)) : 0;
  return dpi > 0 ? dpi : PontosPorPolegadaDaTela();
}

int MetricaParaDpi(int indice, int dpi) {
  static const auto porDpi = DoUser32<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
  if (porDpi) return porDpi(indice, static_cast<UINT>(dpi));
  return MulDiv(GetSystemMetrics(indice), dpi, PontosPorPolegadaDaTela());
}

void AjustarParaDpi(RECT& r, DWORD estilo, DWORD estiloEx, int dpi) {
  static const auto porDpi = DoUser32<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
  if (porDpi && porDpi(&r, estilo, FALSE, estiloEx, static_cast<UINT>(dpi))) return;
  AdjustWindowRectEx(&r, estilo, FALSE, estiloEx);
}

}  // namespace quillora
