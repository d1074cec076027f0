#include "platform/win32/tela_win32.h"

#include <windows.h>

#include "platform/win32/objetos_win32.h"

namespace quillora {

int Win32Tela::LarguraPixels() { return GetSystemMetrics(SM_CXSCREEN); }
int Win32Tela::AlturaPixels() { return GetSystemMetrics(SM_CYSCREEN); }

int Win32Tela::PontosPorPolegadaX() {
  const DcDaTela tela;
  return GetDeviceCaps(tela.get(), LOGPIXELSX);
}

int Win32Tela::PontosPorPolegadaY() {
  const DcDaTela tela;
  return GetDeviceCaps(tela.get(), LOGPIXELSY);
}

Cor Win32Tela::CorSistema(CorDoSistema cor) {
  return GetSysColor(cor == CorDoSistema::FaceBotao ? COLOR_BTNFACE : COLOR_BTNTEXT);
}

}  // namespace quillora
