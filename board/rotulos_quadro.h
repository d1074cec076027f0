#pragma once
// The board's two labels as designed: their fonts, and their widths in
// twips. The phrase tool measures with these too.
#include "platform/texto.h"

namespace quillora {

inline const Fonte kFonteFrase{"Arial", 9.75, true, false, false};
inline const Fonte kFonteAutor{"Arial", 9, true, true, false};
inline constexpr float kLarguraFrase = 4695;
inline constexpr float kLarguraAutor = 3975;

}  // namespace quillora
