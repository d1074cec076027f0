#pragma once
// The program as a whole: its three forms and its program-wide state.
#include <cstdint>
#include <memory>
#include <string>

#include "about/frm_sobre.h"
#include "app/frm_principal.h"
#include "board/frm_mural.h"
#include "platform/runtime.h"

namespace quillora {

// The window system's services, each form taking the ones it uses.
struct Plataforma {
  Tela& tela;
  Janelas& janelas;
  Regioes& regioes;
  Texto& texto;
  Shell& shell;
};

class Aplicacao {
 public:
  Aplicacao(Runtime& rt, Plataforma plataforma, std::string gifQuadro);

  // Creates the board (the start-up form) and runs its load step, which
  // loads the host form first.
  void Iniciar();

  FrmMural& frmMural() { return *mural_; }
  FrmPrincipal& frmPrincipal() { return *principal_; }
  FrmSobre& frmSobre();

  std::int16_t gManterVisivel = 0;

 private:
  void CarregarPrincipal();

  Runtime& rt_;
  Plataforma p_;
  std::string gif_;
  std::unique_ptr<FrmMural> mural_;
  std::unique_ptr<FrmPrincipal> principal_;
  std::unique_ptr<FrmSobre> sobre_;
};

}  // namespace quillora
