#include "tools/frases/quebra.h"

#include <gtest/gtest.h>

namespace quillora {
namespace {

// Every character one pixel wide, so the width is a count of characters.
int Linhas(const char* texto, int largura) {
  return ContarLinhas(texto, largura, [](unsigned char) { return 1; });
}

TEST(ContarLinhas, BreaksAtSpacesAsTheBoardsLabelDoes) {
  struct Caso {
    const char* texto;
    int largura;
    int linhas;
  };
  for (const Caso& c : {
           Caso{"", 5, 1},
           Caso{"abc", 3, 1},        // exactly the width
           Caso{"ab cd", 5, 1},
           Caso{"ab cd", 4, 2},      // "cd" does not fit after "ab "
           Caso{"ab cd", 2, 2},      // the space at the break is swallowed
           Caso{"ab    cd", 3, 2},   // and so are the ones after it
           Caso{"ab cd ef gh", 5, 3},  // "cd" fits, its space does not: it goes down
           Caso{"ab cd ef", 6, 2},
           Caso{"abcdefg", 3, 3},    // a word longer than a line is cut
           Caso{"a abcdefg", 3, 4},  // after the word before it
           Caso{"um dois tres", 100, 1},
       }) {
    EXPECT_EQ(Linhas(c.texto, c.largura), c.linhas) << '"' << c.texto << "\" at " << c.largura;
  }
}

TEST(ContarLinhas, AddsUpEachCharactersOwnWidth) {
  const auto larguraDe = [](unsigned char c) { return c == 'W' ? 3 : 1; };
  EXPECT_EQ(ContarLinhas("WW ii", 8, larguraDe), 2);  // 3 + 3 + 1 + 1 + 1 = 9 > 8
  EXPECT_EQ(ContarLinhas("WW ii", 9, larguraDe), 1);
  EXPECT_EQ(ContarLinhas("WW iii", 9, larguraDe), 2);
}

}  // namespace
}  // namespace quillora
