#pragma once
// The board's artwork: a light wooden board with rounded corners, a blue
// cross (close) at the top right and a yellow envelope at the bottom left,
// drawn at any size from one description. At the design's 350 x 160 it is,
// pixel for pixel, the picture shipped as board/mural.gif; at a display
// scale it is the same drawing made at that scale, never that picture
// stretched.
#include "platform/imagem.h"

namespace quillora {

inline constexpr int kLarguraMural = 350;
inline constexpr int kAlturaMural = 160;
inline constexpr int kIndiceTransparente = 127;
inline constexpr int kIndiceBranco = 126;

ImagemIndexada DesenharMural(int largura = kLarguraMural, int altura = kAlturaMural);

}  // namespace quillora
