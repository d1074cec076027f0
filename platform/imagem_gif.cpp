#include "platform/imagem.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_GIF
#define STBI_NO_STDIO
// The board picture is 350 x 160; nothing larger is ever a picture of ours.
#define STBI_MAX_DIMENSIONS 4096
#include <stb_image.h>

namespace quillora {

std::optional<Imagem> ComporGif(std::string_view gif, Cor fundo) {
  int w = 0, h = 0, canais = 0;
  stbi_uc* rgba = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(gif.data()),
                                        static_cast<int>(gif.size()), &w, &h, &canais, 4);
  if (rgba == nullptr) return std::nullopt;
  Imagem saida;
  saida.largura = w;
  saida.altura = h;
  saida.pixels.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  for (std::size_t i = 0; i < saida.pixels.size(); ++i) {
    const stbi_uc* p = rgba + i * 4;
    saida.pixels[i] = p[3] == 0 ? fundo : Rgb(p[0], p[1], p[2]);
  }
  stbi_image_free(rgba);
  return saida;
}

Imagem Compor(const ImagemIndexada& imagem, Cor fundo) {
  Imagem saida{imagem.largura, imagem.altura, {}};
  saida.pixels.reserve(imagem.indices.size());
  for (const std::uint8_t i : imagem.indices) {
    const CorPaleta& c = imagem.paleta[i];
    saida.pixels.push_back(i == imagem.transparente ? fundo : Rgb(c.r, c.g, c.b));
  }
  return saida;
}

}  // namespace quillora
