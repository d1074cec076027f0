#include "platform/win32/icones_win32.h"

#include <commctrl.h>

namespace quillora {
namespace {

using LoadIconWithScaleDownFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);

// The common controls scale down smoothly from Vista on; the plain loader
// elsewhere.
HICON CarregarIcone(HINSTANCE instancia, int id, int lado) {
  static const auto reduzir = reinterpret_cast<LoadIconWithScaleDownFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "LoadIconWithScaleDown")));
  HICON icone = nullptr;
  if (reduzir && reduzir(instancia, MAKEINTRESOURCEW(id), lado, lado, &icone) == S_OK) {
    return icone;
  }
  return static_cast<HICON>(
      LoadImageW(instancia, MAKEINTRESOURCEW(id), IMAGE_ICON, lado, lado, 0));
}

}  // namespace

HICON IconesWin32::Icone(int id, int lado) {
  IconeProprio& icone = icones_[{id, lado}];
  if (!icone) icone = IconeProprio(CarregarIcone(instancia_, id, lado));
  return icone.get();
}

HCURSOR IconesWin32::Cursor(int id, int lado) {
  CursorProprio& cursor = cursores_[{id, lado}];
  if (!cursor) {
    cursor = CursorProprio(static_cast<HCURSOR>(
        LoadImageW(instancia_, MAKEINTRESOURCEW(id), IMAGE_CURSOR, lado, lado, 0)));
  }
  return cursor.get();
}

}  // namespace quillora
