#pragma once
// A picture in memory, one colour per pixel.
#include <optional>
#include <string_view>
#include <vector>

#include "platform/cor.h"

namespace quillora {

struct Imagem {
  int largura = 0;
  int altura = 0;
  std::vector<Cor> pixels;
  Cor Em(int x, int y) const { return pixels[static_cast<std::size_t>(y * largura + x)]; }
};

// Decodes a GIF and composes it over `fundo`: transparent pixels take the
// back colour. Nothing when the bytes are not a readable GIF or the picture
// is larger than 4096 pixels a side.
std::optional<Imagem> ComporGif(std::string_view gif, Cor fundo);

}  // namespace quillora
