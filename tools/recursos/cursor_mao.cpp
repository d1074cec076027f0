#include "tools/recursos/cursor_mao.h"
#include "tools/recursos/bytes.h"

#include <cstdint>
#include <initializer_list>

namespace quillora {
namespace {

// '#' black outline, '.' white, ' ' transparent.
constexpr const char* kMao[] = {
    "    ##          ",
    "   #..#         ",
    "   #..#         ",
    "   #..#         ",
    "   #..#         ",
    "   #..###       ",
    "   #..#..###    ",
    "   #..#..#..##  ",
    "## #..#..#..#.# ",
    "#..#........#.# ",
    "#...#.........# ",
    " #............# ",
    " #............# ",
    "  #...........# ",
    "  #..........#  ",
    "   #.........#  ",
    "   #.........#  ",
    "   ###########  ",
};
constexpr int kLinhas = sizeof kMao / sizeof kMao[0];


char Ponto(int x, int y) {
  if (y >= kLinhas || x >= 16) return ' ';
  return kMao[y][x];
}

// The drawing at n pixels a side: each pixel takes the design pixel under
// its centre, so the design's two colours stay two and its lines stay sharp.
char PontoEm(int n, int x, int y) {
  const double s = n / 32.0;
  return Ponto(static_cast<int>((x + 0.5) / s), static_cast<int>((y + 0.5) / s));
}

// One 1-bit plane, rows bottom-up, each padded to 4 bytes.
std::string Plano(int n, bool mascara) {
  const int porLinha = ((n + 31) / 32) * 4;
  std::string bits;
  for (int y = n - 1; y >= 0; --y) {
    for (int byte = 0; byte < porLinha; ++byte) {
      int v = 0;
      for (int bit = 0; bit < 8; ++bit) {
        const int x = byte * 8 + bit;
        const char p = x < n ? PontoEm(n, x, y) : ' ';
        const bool um = mascara ? p == ' ' : p == '.';
        v |= (um ? 1 : 0) << (7 - bit);
      }
      bits += static_cast<char>(v);
    }
  }
  return bits;
}

std::string Imagem(int n) {
  std::string imagem;
  U32(imagem, 40);
  U32(imagem, static_cast<std::uint32_t>(n));
  U32(imagem, static_cast<std::uint32_t>(2 * n));  // colour plane and mask stacked
  U16(imagem, 1);
  U16(imagem, 1);
  U32(imagem, 0);
  U32(imagem, static_cast<std::uint32_t>(2 * n * ((n + 31) / 32) * 4));
  U32(imagem, 0);
  U32(imagem, 0);
  U32(imagem, 2);
  U32(imagem, 0);
  U32(imagem, 0x00000000);  // black
  U32(imagem, 0x00FFFFFF);  // white
  return imagem + Plano(n, false) + Plano(n, true);
}

// A .cur file of the hand at these sizes.
std::string Cursor(std::initializer_list<int> lados) {
  std::string cur, imagens;
  U16(cur, 0);
  U16(cur, 2);  // cursor
  U16(cur, static_cast<int>(lados.size()));
  std::uint32_t onde = 6 + 16 * static_cast<std::uint32_t>(lados.size());
  for (int n : lados) {
    const std::string imagem = Imagem(n);
    cur += static_cast<char>(n);
    cur += static_cast<char>(n);
    cur += static_cast<char>(2);
    cur += '\0';
    U16(cur, static_cast<int>(5.5 * n / 32));  // hot spot x: the fingertip
    U16(cur, 0);                               // hot spot y
    U32(cur, static_cast<std::uint32_t>(imagem.size()));
    U32(cur, onde);
    onde += static_cast<std::uint32_t>(imagem.size());
    imagens += imagem;
  }
  return cur + imagens;
}

}  // namespace

std::string CursorMao() { return Cursor({32}); }

std::string CursorMaoEscalas() { return Cursor({40, 48, 56, 64, 72, 80, 88, 96}); }

}  // namespace quillora
