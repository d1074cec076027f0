#include "app/sempre_visivel.h"

namespace quillora {

void SempreVisivel(SistemaJanelas& ws, Hwnd janela, std::int16_t flag) {
  const std::intptr_t depoisDe = flag == kVerdadeiro ? kHwndTopmost : kHwndNoTopmost;
  ws.SetWindowPos(janela, depoisDe, 0, 0, 0, 0, kSwpNoMove | kSwpNoSize);
}

}  // namespace quillora
