#include "board/sempre_visivel.h"

namespace quillora {

void SempreVisivel(Janelas& janelas, Hwnd janela, std::int16_t flag) {
  using enum InserirApos;
  const InserirApos depoisDe = flag == kVerdadeiro ? kHwndTopmost : kHwndNoTopmost;
  janelas.SetWindowPos(janela, depoisDe, 0, 0, 0, 0, kSwpNoMove | kSwpNoSize);
}

}  // namespace quillora
