#pragma once
// A window shown modally: while it is open the program's other windows take
// no clicks or keys.
#include <vector>

#include "platform/janelas.h"

namespace quillora {

class DialogoModal {
 public:
  explicit DialogoModal(Janelas& janelas) : janelas_(janelas) {}

  // Shows the window in front, gives `foco` the focus, and returns once the
  // window is gone.
  void Executar(Hwnd janela, Hwnd foco);
  // Closes the window; the others are enabled before it goes, so that the
  // activation stays with the program and does not jump to another one.
  void Fechar(Hwnd janela);

 private:
  void Reabilitar();

  Janelas& janelas_;
  std::vector<Hwnd> desabilitadas_;
};

}  // namespace quillora
