#pragma once
#include <string>

namespace quillora {

// The 32 x 32 two-colour pointing hand, hot spot at the fingertip (5, 0),
// as the bytes of a .cur file.
std::string CursorMao();

}  // namespace quillora
