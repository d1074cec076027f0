#pragma once
// The program as a whole: its forms and its program-wide state.
#include <cstdint>
#include <memory>
#include <string>

#include "board/frm_mural.h"
#include "phrases/sorteio.h"
#include "platform/janelas.h"
#include "platform/runtime.h"

namespace quillora {

class Aplicacao {
 public:
  Aplicacao(Runtime& rt, SistemaJanelas& ws, std::string gifQuadro);

  // Creates the board (the start-up form) and runs its load step.
  void Iniciar();
  // The host's load step: the first phrase, and the menu in step with the flag.
  void CarregarPrincipal();
  void MostrarFrase();

  FrmMural& frmMural() { return *mural_; }
  std::int16_t gManterVisivel = 0;
  bool visivelChecked = true;  // checked at design time

 private:
  Runtime& rt_;
  SistemaJanelas& ws_;
  std::string gif_;
  std::unique_ptr<FrmMural> mural_;
  EstadoSorteio estado_;
  bool principalCarregado_ = false;
};

}  // namespace quillora
