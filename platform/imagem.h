#pragma once
// A picture in memory, one COLORREF-style value (0x00BBGGRR) per pixel.
#include <cstdint>
#include <string>
#include <vector>

namespace quillora {

using Cor = std::uint32_t;

constexpr Cor Rgb(int r, int g, int b) {
  return static_cast<Cor>(r) | (static_cast<Cor>(g) << 8) | (static_cast<Cor>(b) << 16);
}

struct Imagem {
  int largura = 0;
  int altura = 0;
  std::vector<Cor> pixels;
  Cor Em(int x, int y) const { return pixels[static_cast<std::size_t>(y * largura + x)]; }
};

// Decodes a GIF and composes it over `fundo`: transparent pixels take the
// back colour. Returns false when the bytes are not a readable GIF.
bool ComporGif(const std::string& gif, Cor fundo, Imagem& saida);

}  // namespace quillora
