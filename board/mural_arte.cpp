#include "board/mural_arte.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace quillora {
namespace {

// Left edge of design rows 5 to 19; rows 20 to 139 start at column 5, and
// the bottom rows mirror the top ones.
constexpr int kBordaTopo[15] = {20, 18, 16, 15, 14, 12, 11, 10, 10, 9, 8, 7, 7, 6, 6};

constexpr int kTonsMadeira = 110;  // indices 0..109
constexpr int kJunta = 110;        // 110..113: plank seams, darker
constexpr int kAzul = 116;         // 116..119: the cross
constexpr int kAmarelo = 120;      // 120..122: envelope fill
constexpr int kContornoEnvelope = 123;
constexpr int kDobraEnvelope = 124;
constexpr int kAro = 125;          // the board's rim

CorPaleta Misturar(CorPaleta a, CorPaleta b, double t) {
  auto m = [t](int x, int y) { return static_cast<std::uint8_t>(std::lround(x + (y - x) * t)); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

std::vector<CorPaleta> Paleta() {
  std::vector<CorPaleta> p(128);
  for (int i = 0; i < kTonsMadeira; ++i) {
    p[i] = Misturar({250, 241, 222}, {204, 174, 128}, i / double(kTonsMadeira - 1));
  }
  p[110] = {201, 170, 128};
  p[111] = {190, 157, 114};
  p[112] = {178, 145, 103};
  p[113] = {224, 203, 168};
  p[114] = {170, 135, 95};
  p[115] = {158, 124, 86};
  p[116] = {30, 70, 200};
  p[117] = {60, 105, 225};
  p[118] = {20, 45, 150};
  p[119] = {120, 150, 235};
  p[120] = {250, 214, 70};
  p[121] = {244, 196, 48};
  p[122] = {255, 233, 130};
  p[123] = {140, 95, 30};
  p[124] = {196, 146, 40};
  p[125] = {139, 101, 62};
  p[126] = {255, 255, 255};
  p[127] = {255, 255, 255};
  return p;
}

double Ruido(int x, int y) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                    static_cast<std::uint32_t>(y) * 668265263u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
}

// The left edge of the opaque block at design row `y` (continuous): the
// table's rows joined by straight lines.
double BordaEsquerda(double y) {
  const double linha = y <= 79.5 ? y : 159 - y;
  if (linha >= 20) return 5;
  if (linha <= 5) return kBordaTopo[0];
  const int r = static_cast<int>(std::floor(linha));
  const double t = linha - r;
  const double a = kBordaTopo[r - 5];
  const double b = r + 1 < 20 ? kBordaTopo[r - 4] : 5;
  return a + (b - a) * t;
}

// A pixel of the picture covers a small square of the design; it takes what
// the design has at its centre. X and Y are that centre less half a pixel,
// so that at the design's size they are the pixel's own column and row.
class Desenho {
 public:
  Desenho(int largura, int altura)
      : im_{largura, altura, Paleta(), {}, kIndiceTransparente, kIndiceTransparente},
        sx_(largura / double(kLarguraMural)),
        sy_(altura / double(kAlturaMural)),
        primeira_(static_cast<std::size_t>(altura), 1),
        ultima_(static_cast<std::size_t>(altura), 0) {
    im_.indices.assign(static_cast<std::size_t>(largura) * altura, kIndiceTransparente);
    for (int y = 0; y < altura; ++y) Faixa(y);
  }

  ImagemIndexada Fazer() {
    Madeira();
    Aro();
    Cruz();
    Envelope();
    return std::move(im_);
  }

 private:
  double X(int x) const { return (x + 0.5) / sx_ - 0.5; }
  double Y(int y) const { return (y + 0.5) / sy_ - 0.5; }
  std::uint8_t& Em(int x, int y) {
    return im_.indices[static_cast<std::size_t>(y) * im_.largura + x];
  }

  // The first and last opaque column of a row (none when first > last).
  // The bottom rows take their mirror's, so that a pixel centred on the
  // outline's edge goes the same way at the top and at the bottom.
  void Faixa(int y) {
    const double yd = Y(std::min(y, im_.altura - 1 - y));
    if (yd < 4.5 || yd >= 154.5) return;
    const double borda = BordaEsquerda(yd);
    int primeira = 0;
    while (primeira < im_.largura && X(primeira) < borda - 0.5) ++primeira;
    primeira_[y] = primeira;
    ultima_[y] = im_.largura - 1 - primeira;
  }

  bool Transparente(int x, int y) const {
    if (y < 0 || y >= im_.altura) return true;
    return x < primeira_[y] || x > ultima_[y];
  }

  // Grain value of a plank pixel, or -1 for a seam between planks (30 rows
  // each) with its own tone in `junta`.
  static double Veio(double x, double y, int& junta) {
    const double linha = y - 5;
    const int tabua = static_cast<int>(std::floor(linha / 30));
    const double dentro = linha - 30.0 * tabua;
    const int coluna = static_cast<int>(std::lround(x));
    junta = dentro < 0.5 ? kJunta + (coluna % 11 == 0 ? 2 : (coluna % 7 == 0 ? 1 : 0)) : 113;
    if (dentro < 1.5) return -1;
    const double onda = std::sin(x * 0.045 + tabua * 2.3 + 2.5 * std::sin(y * 0.21 + tabua));
    const double veio = std::sin(y * 1.7 + x * 0.011 + tabua * 5.0 + onda * 1.6);
    const int fileira = static_cast<int>(std::lround(y));
    return 0.5 * onda + 0.25 * veio + 0.07 * Ruido(coluna / 4, fileira) + 0.1 * (tabua % 2);
  }

  // Tones are given by rank, so every wood tone of the palette is used and
  // the grain keeps its shape.
  void Madeira() {
    std::vector<std::pair<double, int>> veios;
    for (int y = 0; y < im_.altura; ++y) {
      for (int x = 0; x < im_.largura; ++x) {
        if (Transparente(x, y)) continue;
        int junta = 0;
        const double v = Veio(X(x), Y(y), junta);
        const int i = y * im_.largura + x;
        if (v < 0) {
          im_.indices[i] = static_cast<std::uint8_t>(junta);
        } else if (Ruido(static_cast<int>(std::lround(X(x))), static_cast<int>(std::lround(Y(y)))) >
                   0.996) {
          im_.indices[i] = kIndiceBranco;  // a few pale specks
        } else {
          veios.push_back({v, i});
        }
      }
    }
    std::sort(veios.begin(), veios.end());
    for (std::size_t r = 0; r < veios.size(); ++r) {
      im_.indices[veios[r].second] = static_cast<std::uint8_t>(r * kTonsMadeira / veios.size());
    }
  }

  // Any transparent pixel within this many steps across and down.
  bool PertoDaBorda(int x, int y, int raio) const {
    for (int dy = -raio; dy <= raio; ++dy) {
      const int alcance = raio - std::abs(dy);
      if (Transparente(x - alcance, y + dy) || Transparente(x + alcance, y + dy)) return true;
    }
    return false;
  }

  // Two darker design pixels along the outline frame the board.
  void Aro() {
    const int raio = static_cast<int>(std::lround(2 * std::min(sx_, sy_)));
    for (int y = 0; y < im_.altura; ++y) {
      for (int x = 0; x < im_.largura; ++x) {
        if (Transparente(x, y) || !PertoDaBorda(x, y, raio)) continue;
        const auto soma = std::lround(X(x)) + std::lround(Y(y));
        Em(x, y) = soma % 9 == 0 ? 114 : (soma % 5 ? kAro : 115);
      }
    }
  }

  // Two strokes two design pixels wide, from the top left to the bottom
  // right and back, and two highlights.
  void Cruz() {
    for (int y = 0; y < im_.altura; ++y) {
      const double cy = Y(y) + 0.5;
      if (cy < 12 || cy >= 21) continue;
      const double d = (cy - 12.5) * 5.0 / 8.0;
      const int cor = std::floor(cy) == 16 ? kAzul + 2 : kAzul;
      for (int x = 0; x < im_.largura; ++x) {
        const double cx = X(x) + 0.5;
        const bool desce = cx > 328 + d && cx <= 330 + d;
        const bool sobe = cx >= 333 - d && cx < 335 - d;
        if (desce || sobe) Em(x, y) = static_cast<std::uint8_t>(cor);
        if (std::floor(cx) == 330 && std::floor(cy) == 12) Em(x, y) = kAzul + 1;
        if (std::floor(cx) == 332 && std::floor(cy) == 20) Em(x, y) = kAzul + 3;
      }
    }
  }

  // Its outline one design pixel wide, the flap's fold, three yellows.
  void Envelope() {
    for (int y = 0; y < im_.altura; ++y) {
      const double cy = Y(y) + 0.5;
      if (cy < 135 || cy >= 149) continue;
      const double fileira = std::floor(cy);
      for (int x = 0; x < im_.largura; ++x) {
        const double cx = X(x) + 0.5;
        if (cx < 28 || cx >= 53) continue;
        const bool borda = cy < 136 || cy >= 148 || cx < 29 || cx >= 52;
        const double t = X(x) <= 40 ? X(x) - 28 : 52 - X(x);
        const double aba = 135 + std::floor(t * 7 / 12);
        int cor = fileira < aba ? kAmarelo + 2 : (fileira > 143 ? kAmarelo + 1 : kAmarelo);
        if (fileira == aba) cor = kDobraEnvelope;
        Em(x, y) = static_cast<std::uint8_t>(borda ? kContornoEnvelope : cor);
      }
    }
  }

  ImagemIndexada im_;
  double sx_, sy_;
  std::vector<int> primeira_, ultima_;
};

}  // namespace

ImagemIndexada DesenharMural(int largura, int altura) { return Desenho(largura, altura).Fazer(); }

}  // namespace quillora
