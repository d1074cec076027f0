#pragma once
// The show-phrase cycle: draw, decode, fill and lay out the board, place it,
// show it and bring it to the front.
#include <cstdint>

#include "board/frm_mural.h"
#include "phrases/sorteio.h"
#include "platform/janelas.h"
#include "platform/runtime.h"
#include "platform/tela.h"

namespace quillora {

struct CicloFrase {
  Runtime& rt;
  Tela& tela;
  Janelas& janelas;
  EstadoSorteio& estado;
  FrmMural& mural;
  const std::int16_t& manterVisivel;
};

// Sorteio::Ok once the board shows the new phrase; on a file that gives no
// phrase, the failure, with the board as it was and the file objects
// released.
Sorteio MostrarFrase(CicloFrase& ciclo);

}  // namespace quillora
