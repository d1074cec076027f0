#pragma once
#include <string>

namespace quillora {

// The 32 x 32 two-colour pointing hand, hot spot at the fingertip (5, 0),
// as the bytes of a .cur file.
std::string CursorMao();

// The same hand at the cursor sizes of the display scales from 125 % to
// 300 % (40 to 96 pixels), in one .cur file, each image with its hot spot
// at the fingertip.
std::string CursorMaoEscalas();

}  // namespace quillora
