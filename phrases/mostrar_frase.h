#pragma once
// The show-phrase cycle: draw, decode, fill and lay out the board, place it,
// show it and bring it to the front.
#include <cstdint>
#include <functional>

#include "board/frm_mural.h"
#include "phrases/sorteio.h"
#include "platform/runtime.h"

namespace quillora {

struct ContextoCiclo {
  Runtime& rt;
  SistemaJanelas& ws;
  EstadoSorteio& estado;
  FrmMural& mural;
  const std::int16_t& manterVisivel;
  // Runs before the program ends on an unusable phrase file.
  std::function<void()> antesDeEncerrar;
};

void MostrarFrase(ContextoCiclo& ciclo);

}  // namespace quillora
