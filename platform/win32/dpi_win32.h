#pragma once
// The display scale of a window, for systems old and new. The per-monitor
// calls exist from Windows 10 1607 on; before that every window stands at
// the system's dots per inch.
#include <windows.h>

namespace quillora {

int PontosPorPolegadaDaTela();
int PontosPorPolegadaDaJanela(HWND janela);
// A system metric (SM_CXSMICON, SM_CXCURSOR, ...) as it is at `dpi`.
int MetricaParaDpi(int indice, int dpi);
// The outer rectangle of a window whose client area is `r`, its frame
// drawn at `dpi`.
void AjustarParaDpi(RECT& r, DWORD estilo, DWORD estiloEx, int dpi);

}  // namespace quillora
