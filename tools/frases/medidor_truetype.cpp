// The native build's measurer: the advance widths of the board's fonts read
// from TrueType files, rounded to whole pixels as the system rounds them,
// and wrapped as the system wraps the phrase. Where the rounding could go
// either way it takes the larger width, so it errs towards "does not fit".
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "board/rotulos_quadro.h"
#include "platform/cp1252.h"
#include "tools/frases/medida.h"
#include "tools/frases/quebra.h"

#define STB_TRUETYPE_IMPLEMENTATION
#define STBTT_STATIC
#include <stb_truetype.h>

namespace quillora {
namespace {

// A label's em in pixels at 96 dots per inch, as the system makes its font
// (13 for the phrase, 12 for the author).
int EmPixels(const Fonte& fonte) { return static_cast<int>(std::lround(fonte.pontos * 96 / 72.0)); }

const char* const kArialNegrito[] = {
    "/usr/share/fonts/truetype/msttcorefonts/Arial_Bold.ttf",
    "/usr/share/fonts/truetype/msttcorefonts/arialbd.ttf",
    "/usr/share/fonts/TTF/arialbd.ttf",
};
const char* const kArialNegritoItalico[] = {
    "/usr/share/fonts/truetype/msttcorefonts/Arial_Bold_Italic.ttf",
    "/usr/share/fonts/truetype/msttcorefonts/arialbi.ttf",
    "/usr/share/fonts/TTF/arialbi.ttf",
};
const char* const kLiberationNegrito[] = {
    "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
};
const char* const kLiberationNegritoItalico[] = {
    "/usr/share/fonts/truetype/liberation/LiberationSans-BoldItalic.ttf",
    "/usr/share/fonts/truetype/liberation2/LiberationSans-BoldItalic.ttf",
};

// The system rounds each advance to the nearest pixel, and its hinting may
// move one by a pixel: where the fraction is near a half, take the larger.
int Arredondar(float largura) {
  const float fracao = largura - std::floor(largura);
  const bool incerta = fracao > 0.35f && fracao < 0.65f;
  return static_cast<int>(incerta ? std::ceil(largura) : std::round(largura));
}

// One font's 256 character widths, in whole pixels.
class Larguras {
 public:
  // Nothing (false) when the file is not a readable TrueType font.
  bool Carregar(const std::string& caminho, int em) {
    std::ifstream in(std::filesystem::path(std::u8string(caminho.begin(), caminho.end())),
                     std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
    stbtt_fontinfo fonte;
    if (bytes.empty() || stbtt_GetFontOffsetForIndex(bytes.data(), 0) < 0 ||
        !stbtt_InitFont(&fonte, bytes.data(), stbtt_GetFontOffsetForIndex(bytes.data(), 0))) {
      return false;
    }
    const float escala = stbtt_ScaleForMappingEmToPixels(&fonte, static_cast<float>(em));
    for (int c = 0; c < 256; ++c) {
      int avanco = 0, ignorado = 0;
      const char32_t codigo = Cp1252ParaUnicode(static_cast<unsigned char>(c));
      stbtt_GetCodepointHMetrics(&fonte, static_cast<int>(codigo), &avanco, &ignorado);
      larguras_[c] = Arredondar(avanco * escala);
      // A character the font lacks comes from another font: a whole em.
      if (stbtt_FindGlyphIndex(&fonte, static_cast<int>(codigo)) == 0) larguras_[c] = em;
    }
    return true;
  }
  int operator()(unsigned char c) const { return larguras_[c]; }

 private:
  int larguras_[256] = {};
};

class MedidorTrueType : public Medidor {
 public:
  Larguras frase, autor;
  int LinhasDaFrase(const std::string& texto, int largura) override {
    return ContarLinhas(texto, largura, [this](unsigned char c) { return frase(c); });
  }
  int LarguraDoAutor(const std::string& texto) override {
    int soma = 0;
    for (const char c : texto) soma += autor(static_cast<unsigned char>(c));
    return soma;
  }
};

template <std::size_t N>
std::string Primeiro(const char* const (&caminhos)[N]) {
  for (const char* c : caminhos) {
    if (std::filesystem::exists(c)) return c;
  }
  return {};
}

}  // namespace

MedidorCriado CriarMedidor(const OpcoesMedida& opcoes) {
  std::string frase = opcoes.fonteFrase, autor = opcoes.fonteAutor;
  if (frase.empty()) frase = Primeiro(kArialNegrito);
  if (autor.empty()) autor = Primeiro(kArialNegritoItalico);
  if (frase.empty() || autor.empty()) {
    frase = opcoes.fonteFrase.empty() ? Primeiro(kLiberationNegrito) : opcoes.fonteFrase;
    autor = opcoes.fonteAutor.empty() ? Primeiro(kLiberationNegritoItalico) : opcoes.fonteAutor;
  }
  if (frase.empty() || autor.empty()) {
    return {nullptr,
            "nem Arial nem Liberation Sans (negrito e negrito itálico) encontradas; instale "
            "fonts-liberation ou indique --fonte-frase e --fonte-autor"};
  }
  auto medidor = std::make_unique<MedidorTrueType>();
  if (!medidor->frase.Carregar(frase, EmPixels(kFonteFrase))) {
    return {nullptr, frase + ": fonte ilegível"};
  }
  if (!medidor->autor.Carregar(autor, EmPixels(kFonteAutor))) {
    return {nullptr, autor + ": fonte ilegível"};
  }
  return {std::move(medidor)};
}

}  // namespace quillora
