#pragma once
// The program's icons, as the bytes of .ico files.
#include <string>

namespace quillora {

// A quill on a small wooden board: 32 x 32 and 48 x 48, 24-bit colour.
std::string IconeAplicacao();

// An information sign (a blue "i" in a white speech balloon with a grey
// shadow): 16 x 16 and 32 x 32, 16 colours.
std::string IconeInformacao();

}  // namespace quillora
