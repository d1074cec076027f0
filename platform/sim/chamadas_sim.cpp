#include "platform/sim/chamadas_sim.h"

#include <cstring>

namespace quillora {

bool operator==(const RegistroIcone& a, const RegistroIcone& b) {
  return a.cbSize == b.cbSize && a.hWnd == b.hWnd && a.uID == b.uID && a.uFlags == b.uFlags &&
         a.uCallbackMessage == b.uCallbackMessage && a.hIcon == b.hIcon &&
         std::memcmp(a.szTip, b.szTip, sizeof a.szTip) == 0;
}

bool operator==(const ItemMenu& a, const ItemMenu& b) {
  return a.legenda == b.legenda && a.marcado == b.marcado;
}

}  // namespace quillora
