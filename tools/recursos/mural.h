#pragma once
// The board picture: a light wooden board with rounded corners, a blue
// cross (close) at the top right and a yellow envelope at the bottom left.
#include "tools/recursos/gif.h"

namespace quillora {

inline constexpr int kLarguraMural = 350;
inline constexpr int kAlturaMural = 160;
inline constexpr int kIndiceTransparente = 127;
inline constexpr int kIndiceBranco = 126;

// First and last opaque column of a row, or false for a fully transparent row.
bool FaixaOpaca(int y, int& primeira, int& ultima);

ImagemIndexada DesenharMural();

}  // namespace quillora
