#pragma once
// A minimal GIF89a writer: one image, a global palette, an optional
// transparent index, LZW-compressed.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quillora {

struct CorPaleta {
  std::uint8_t r, g, b;
};

struct ImagemIndexada {
  int largura = 0;
  int altura = 0;
  std::vector<CorPaleta> paleta;            // a power of two, at most 256
  std::vector<std::uint8_t> indices;  // largura * altura, row by row
  int transparente = -1;
  int fundo = 0;
};

std::string CodificarGif(const ImagemIndexada& imagem);

}  // namespace quillora
