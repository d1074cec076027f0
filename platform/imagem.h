#pragma once
// Pictures in memory: one colour per pixel, or palette indices.
#include <cstdint>
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

struct CorPaleta {
  std::uint8_t r, g, b;
};

struct ImagemIndexada {
  int largura = 0;
  int altura = 0;
  std::vector<CorPaleta> paleta;      // a power of two, at most 256
  std::vector<std::uint8_t> indices;  // largura * altura, row by row
  int transparente = -1;
  int fundo = 0;
};

// Decodes a GIF and composes it over `fundo`: transparent pixels take the
// back colour. Nothing when the bytes are not a readable GIF or the picture
// is larger than 4096 pixels a side.
std::optional<Imagem> ComporGif(std::string_view gif, Cor fundo);

// The indexed picture's colours, its transparent pixels taking `fundo`.
Imagem Compor(const ImagemIndexada& imagem, Cor fundo);

}  // namespace quillora
