#pragma once
#include "board/frm_mural.h"

namespace quillora {

// Gives the phrase label its width and left edge and, for one to seven
// lines, the top that centres it on 1130 twips.
void PosicionarFrase(FrmMural& mural);

}  // namespace quillora
