#pragma once
// The program as a whole: its three forms and its program-wide state.
#include <cstdint>
#include <memory>
#include <string>

#include "about/frm_sobre.h"
#include "app/frm_principal.h"
#include "board/frm_mural.h"
#include "phrases/sorteio.h"
#include "platform/janelas.h"
#include "platform/runtime.h"

namespace quillora {

class Aplicacao {
 public:
  Aplicacao(Runtime& rt, SistemaJanelas& ws, std::string gifQuadro);

  // Creates the board (the start-up form) and runs its load step, which
  // loads the host form first.
  void Iniciar();
  void MostrarFrase();
  bool CicloEmCurso() const { return cicloEmCurso_; }

  Runtime& rt() { return rt_; }
  SistemaJanelas& ws() { return ws_; }
  FrmMural& frmMural() { return *mural_; }
  FrmPrincipal& frmPrincipal() { return *principal_; }
  FrmSobre& frmSobre();

  std::int16_t gManterVisivel = 0;

 private:
  void CarregarPrincipal();

  Runtime& rt_;
  SistemaJanelas& ws_;
  std::string gif_;
  std::unique_ptr<FrmMural> mural_;
  std::unique_ptr<FrmPrincipal> principal_;
  std::unique_ptr<FrmSobre> sobre_;
  EstadoSorteio estado_;
  bool cicloEmCurso_ = false;
};

}  // namespace quillora
