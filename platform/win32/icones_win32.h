#pragma once
// The program's icons and cursors at the sizes a display scale asks for,
// each size made once and kept for the run.
#include <windows.h>

#include <map>
#include <utility>

#include "platform/win32/objetos_win32.h"

namespace quillora {

class IconesWin32 {
 public:
  explicit IconesWin32(HINSTANCE instancia) : instancia_(instancia) {}

  // The icon resource's image nearest `lado`, scaled down smoothly.
  HICON Icone(int id, int lado);
  // The cursor resource's image for `lado`.
  HCURSOR Cursor(int id, int lado);

 private:
  HINSTANCE instancia_;
  std::map<std::pair<int, int>, IconeProprio> icones_;
  std::map<std::pair<int, int>, CursorProprio> cursores_;
};

}  // namespace quillora
