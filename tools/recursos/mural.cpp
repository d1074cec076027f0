#include "tools/recursos/mural.h"

#include <algorithm>
#include <cmath>

namespace quillora {
namespace {

// Left edge of rows 5 to 19; rows 20 to 139 start at column 5, and the
// bottom rows mirror the top ones.
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

bool Transparente(int x, int y);

double Ruido(int x, int y) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                    static_cast<std::uint32_t>(y) * 668265263u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
}

// Grain value of a plank pixel, or -1 for a seam between planks (30 rows
// each) with its own tone in `junta`.
double Veio(int x, int y, int& junta) {
  const int tabua = (y - 5) / 30;
  const int dentro = (y - 5) % 30;
  junta = dentro == 0 ? kJunta + (x % 11 == 0 ? 2 : (x % 7 == 0 ? 1 : 0)) : 113;
  if (dentro <= 1) return -1;
  const double onda = std::sin(x * 0.045 + tabua * 2.3 + 2.5 * std::sin(y * 0.21 + tabua));
  const double veio = std::sin(y * 1.7 + x * 0.011 + tabua * 5.0 + onda * 1.6);
  return 0.5 * onda + 0.25 * veio + 0.07 * Ruido(x / 4, y) + 0.1 * (tabua % 2);
}

// Tones are given by rank, so every wood tone of the palette is used and
// the grain keeps its shape.
void Madeira(ImagemIndexada& im) {
  std::vector<std::pair<double, int>> veios;
  for (int y = 0; y < im.altura; ++y) {
    for (int x = 0; x < im.largura; ++x) {
      if (Transparente(x, y)) continue;
      int junta = 0;
      const double v = Veio(x, y, junta);
      const int i = y * im.largura + x;
      if (v < 0) {
        im.indices[i] = static_cast<std::uint8_t>(junta);
      } else if (Ruido(x, y) > 0.996) {
        im.indices[i] = kIndiceBranco;  // a few pale specks
      } else {
        veios.push_back({v, i});
      }
    }
  }
  std::sort(veios.begin(), veios.end());
  for (std::size_t r = 0; r < veios.size(); ++r) {
    im.indices[veios[r].second] = static_cast<std::uint8_t>(r * kTonsMadeira / veios.size());
  }
}

void Cruz(ImagemIndexada& im) {
  for (int y = 12; y <= 20; ++y) {
    const int d = static_cast<int>(std::lround((y - 12) * 5.0 / 8.0));
    for (int x : {328 + d, 329 + d, 334 - d, 333 - d}) {
      im.indices[y * im.largura + x] = (y == 16) ? kAzul + 2 : kAzul;
    }
  }
  im.indices[12 * im.largura + 330] = kAzul + 1;
  im.indices[20 * im.largura + 332] = kAzul + 3;
}

void Envelope(ImagemIndexada& im) {
  for (int y = 135; y <= 148; ++y) {
    for (int x = 28; x <= 52; ++x) {
      const bool borda = y == 135 || y == 148 || x == 28 || x == 52;
      const int aba = 135 + (x <= 40 ? x - 28 : 52 - x) * 7 / 12;
      int cor = y < aba ? kAmarelo + 2 : (y > 143 ? kAmarelo + 1 : kAmarelo);
      if (y == aba) cor = kDobraEnvelope;
      im.indices[y * im.largura + x] = borda ? kContornoEnvelope : cor;
    }
  }
}

bool Transparente(int x, int y) {
  int a = 0, b = 0;
  return !FaixaOpaca(y, a, b) || x < a || x > b;
}

// Two darker pixels along the outline frame the board.
void Aro(ImagemIndexada& im) {
  for (int y = 5; y < 155; ++y) {
    for (int x = 5; x < 345; ++x) {
      if (Transparente(x, y)) continue;
      bool perto = false;
      for (int dy = -2; dy <= 2 && !perto; ++dy) {
        for (int dx = -2; dx <= 2 && !perto; ++dx) {
          perto = Transparente(x + dx, y + dy) && std::abs(dx) + std::abs(dy) <= 2;
        }
      }
      if (perto) im.indices[y * im.largura + x] = (x + y) % 9 == 0 ? 114 : ((x + y) % 5 ? kAro : 115);
    }
  }
}

}  // namespace

bool FaixaOpaca(int y, int& primeira, int& ultima) {
  if (y < 5 || y > 154) return false;
  const int linha = y <= 79 ? y : 159 - y;
  primeira = linha < 20 ? kBordaTopo[linha - 5] : 5;
  ultima = 349 - primeira;
  return true;
}

ImagemIndexada DesenharMural() {
  ImagemIndexada im;
  im.largura = kLarguraMural;
  im.altura = kAlturaMural;
  im.paleta = Paleta();
  im.transparente = kIndiceTransparente;
  im.fundo = kIndiceTransparente;
  im.indices.assign(static_cast<std::size_t>(im.largura * im.altura), kIndiceTransparente);
  Madeira(im);
  Aro(im);
  Cruz(im);
  Envelope(im);
  return im;
}

}  // namespace quillora
