#pragma once
// A minimal GIF89a writer: one image, a global palette, an optional
// transparent index, LZW-compressed.
#include <string>

#include "platform/imagem.h"

namespace quillora {

std::string CodificarGif(const ImagemIndexada& imagem);

}  // namespace quillora
