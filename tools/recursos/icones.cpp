#include "tools/recursos/icones.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "tools/recursos/gif.h"
#include "tools/recursos/bytes.h"

namespace quillora {
namespace {

struct Imagem24 {
  int n;
  std::vector<CorPaleta> cor;
  std::vector<bool> opaco;
};


double DistanciaSegmento(double px, double py, double ax, double ay, double bx, double by,
                         double& t) {
  const double dx = bx - ax, dy = by - ay;
  t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// Rows bottom-up, each padded to 4 bytes.
std::string MascaraE(int n, const std::function<bool(int, int)>& opaco) {
  std::string bits;
  const int porLinha = ((n + 31) / 32) * 4;
  for (int y = n - 1; y >= 0; --y) {
    std::string linha(static_cast<std::size_t>(porLinha), '\0');
    for (int x = 0; x < n; ++x) {
      if (!opaco(x, y)) linha[x / 8] = static_cast<char>(linha[x / 8] | (0x80 >> (x % 8)));
    }
    bits += linha;
  }
  return bits;
}

std::string Cabecalho(int n, int bits, std::uint32_t tamanhoImagem, int cores) {
  std::string h;
  U32(h, 40);
  U32(h, static_cast<std::uint32_t>(n));
  U32(h, static_cast<std::uint32_t>(2 * n));
  U16(h, 1);
  U16(h, bits);
  U32(h, 0);
  U32(h, tamanhoImagem);
  U32(h, 0);
  U32(h, 0);
  U32(h, static_cast<std::uint32_t>(cores));
  U32(h, 0);
  return h;
}

std::string Ico(const std::vector<std::string>& imagens, const std::vector<int>& lados,
                int cores, int bits) {
  std::string ico;
  U16(ico, 0);
  U16(ico, 1);
  U16(ico, static_cast<int>(imagens.size()));
  std::uint32_t deslocamento = 6 + 16 * static_cast<std::uint32_t>(imagens.size());
  for (std::size_t i = 0; i < imagens.size(); ++i) {
    ico += static_cast<char>(lados[i]);
    ico += static_cast<char>(lados[i]);
    ico += static_cast<char>(cores);
    ico += '\0';
    U16(ico, 1);
    U16(ico, bits);
    U32(ico, static_cast<std::uint32_t>(imagens[i].size()));
    U32(ico, deslocamento);
    deslocamento += static_cast<std::uint32_t>(imagens[i].size());
  }
  for (const std::string& im : imagens) ico += im;
  return ico;
}

// --- the application icon ---

Imagem24 Pena(int n) {
  Imagem24 im{n, std::vector<CorPaleta>(n * n), std::vector<bool>(n * n)};
  const double m = n / 16.0;
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      const double cx = x + 0.5, cy = y + 0.5;
      // The board: a rounded square with a darker rim.
      const double r = 3 * m;
      const double qx = std::max({m + r - cx, cx - (n - m - r), 0.0});
      const double qy = std::max({m + r - cy, cy - (n - m - r), 0.0});
      const double canto = std::hypot(qx, qy);
      if (canto > r) continue;
      const std::size_t i = static_cast<std::size_t>(y * n + x);
      im.opaco[i] = true;
      const bool aro = canto > r - m || (cy > n - 2.2 * m && canto > 0);
      const double grao = 0.5 + 0.5 * std::sin(cy * 1.3 + std::sin(cx * 0.4) * 1.5);
      im.cor[i] = aro ? CorPaleta{139, 101, 62}
                      : CorPaleta{static_cast<std::uint8_t>(205 + 18 * grao),
                                  static_cast<std::uint8_t>(168 + 18 * grao),
                                  static_cast<std::uint8_t>(112 + 16 * grao)};
      // The quill: a shaft from the nib (bottom left) to the top right,
      // with a white vane widest two thirds of the way up.
      double t = 0;
      const double d = DistanciaSegmento(cx, cy, 0.2 * n, 0.84 * n, 0.84 * n, 0.12 * n, t);
      const double largura = t < 0.25 ? 0 : 0.24 * n * std::sin((t - 0.25) / 0.75 * 3.14159);
      if (d < largura) {
        im.cor[i] = d > largura - 0.8 * m ? CorPaleta{80, 80, 96} : CorPaleta{255, 255, 255};
      }
      if (d < 0.4 * m + 0.02 * n) {
        im.cor[i] = t < 0.08 ? CorPaleta{0, 0, 128} : CorPaleta{70, 45, 30};
      }
    }
  }
  return im;
}

std::string Imagem24Bits(const Imagem24& im) {
  const int n = im.n;
  const int porLinha = ((n * 3 + 3) / 4) * 4;
  std::string cores;
  for (int y = n - 1; y >= 0; --y) {
    std::string linha(static_cast<std::size_t>(porLinha), '\0');
    for (int x = 0; x < n; ++x) {
      const CorPaleta c = im.cor[static_cast<std::size_t>(y * n + x)];
      linha[x * 3] = static_cast<char>(c.b);
      linha[x * 3 + 1] = static_cast<char>(c.g);
      linha[x * 3 + 2] = static_cast<char>(c.r);
    }
    cores += linha;
  }
  const std::string mascara =
      MascaraE(n, [&im, n](int x, int y) { return im.opaco[static_cast<std::size_t>(y * n + x)]; });
  return Cabecalho(n, 24, static_cast<std::uint32_t>(cores.size() + mascara.size()), 0) + cores +
         mascara;
}

// --- the information icon ---

constexpr CorPaleta kVga[16] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
constexpr int kPreto = 0, kCinza = 8, kAzul = 12, kBranco = 15, kVazio = -1;

bool NoBalao(double x, double y, double n, double desloc) {
  const double ex = (x - 0.47 * n - desloc) / (0.44 * n);
  const double ey = (y - 0.42 * n - desloc) / (0.37 * n);
  if (ex * ex + ey * ey <= 1) return true;
  // The tail, down to the lower left.
  const double ty = (y - desloc - 0.66 * n) / (0.3 * n);
  const double tx = (x - desloc - 0.16 * n) / (0.2 * n);
  return ty >= 0 && ty <= 1 && tx >= ty * 0 && tx <= 1 - ty;
}

int Informacao(int x, int y, int n) {
  const double cx = x + 0.5, cy = y + 0.5, u = n / 16.0;
  const bool balao = NoBalao(cx, cy, n, 0);
  if (!balao) return NoBalao(cx, cy, n, 1.2 * u) ? kCinza : kVazio;
  const bool borda = !NoBalao(cx - u * 0.9, cy, n, 0) || !NoBalao(cx + u * 0.9, cy, n, 0) ||
                     !NoBalao(cx, cy - u * 0.9, n, 0) || !NoBalao(cx, cy + u * 0.9, n, 0);
  if (borda) return kPreto;
  if (std::hypot(cx - 0.47 * n, cy - 0.2 * n) <= 1.1 * u) return kAzul;
  if (cx >= 0.47 * n - 1.0 * u && cx <= 0.47 * n + 1.0 * u && cy >= 0.32 * n && cy <= 0.64 * n) {
    return kAzul;
  }
  return kBranco;
}

std::string Imagem4Bits(int n) {
  std::string paleta;
  for (const CorPaleta& c : kVga) {
    paleta += static_cast<char>(c.b);
    paleta += static_cast<char>(c.g);
    paleta += static_cast<char>(c.r);
    paleta += '\0';
  }
  const int porLinha = ((n * 4 + 31) / 32) * 4;
  std::string cores;
  for (int y = n - 1; y >= 0; --y) {
    std::string linha(static_cast<std::size_t>(porLinha), '\0');
    for (int x = 0; x < n; ++x) {
      const int indice = std::max(0, Informacao(x, y, n));
      linha[x / 2] = static_cast<char>(linha[x / 2] | (x % 2 ? indice : indice << 4));
    }
    cores += linha;
  }
  const std::string mascara =
      MascaraE(n, [n](int x, int y) { return Informacao(x, y, n) != kVazio; });
  return Cabecalho(n, 4, static_cast<std::uint32_t>(cores.size() + mascara.size()), 16) +
         paleta + cores + mascara;
}

}  // namespace

std::string IconeAplicacao() {
  return Ico({Imagem24Bits(Pena(32)), Imagem24Bits(Pena(48))}, {32, 48}, 0, 24);
}

std::string IconeInformacao() { return Ico({Imagem4Bits(16), Imagem4Bits(32)}, {16, 32}, 16, 4); }

}  // namespace quillora
