#include "tools/recursos/cursor_mao.h"
#include "tools/recursos/bytes.h"

#include <cstdint>

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

// One 1-bit plane, rows bottom-up, 4 bytes a row.
std::string Plano(bool mascara) {
  std::string bits;
  for (int y = 31; y >= 0; --y) {
    for (int byte = 0; byte < 4; ++byte) {
      int v = 0;
      for (int bit = 0; bit < 8; ++bit) {
        const char p = Ponto(byte * 8 + bit, y);
        const bool um = mascara ? p == ' ' : p == '.';
        v |= (um ? 1 : 0) << (7 - bit);
      }
      bits += static_cast<char>(v);
    }
  }
  return bits;
}

}  // namespace

std::string CursorMao() {
  std::string imagem;
  U32(imagem, 40);
  U32(imagem, 32);
  U32(imagem, 64);  // colour plane and mask stacked
  U16(imagem, 1);
  U16(imagem, 1);
  U32(imagem, 0);
  U32(imagem, 256);
  U32(imagem, 0);
  U32(imagem, 0);
  U32(imagem, 2);
  U32(imagem, 0);
  U32(imagem, 0x00000000);  // black
  U32(imagem, 0x00FFFFFF);  // white
  imagem += Plano(false);
  imagem += Plano(true);

  std::string cur;
  U16(cur, 0);
  U16(cur, 2);  // cursor
  U16(cur, 1);
  cur += static_cast<char>(32);
  cur += static_cast<char>(32);
  cur += static_cast<char>(2);
  cur += '\0';
  U16(cur, 5);  // hot spot x
  U16(cur, 0);  // hot spot y
  U32(cur, static_cast<std::uint32_t>(imagem.size()));
  U32(cur, 22);
  return cur + imagem;
}

}  // namespace quillora
