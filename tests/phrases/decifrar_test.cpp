#include "phrases/decifrar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillora {
namespace {

struct Case {
  const char* name;
  std::string texto;
  std::string chave;
  std::string esperado;
};

TEST(Decifrar, DecodesTheTableOfCases) {
  const std::vector<Case> cases = {
      // Key sum 294 ("bbb") gives offset 4: net 0, -2, -5, -3, -4, +2.
      {"offset 4, seven positions", "AAAAAAA", "bbb", "A?<>=CA"},
      // Empty key gives offset 0: net +4, -6, -1, -7, 0, -2, then +4 again.
      {"empty key, seven positions", "AAAAAAA", "", "E;@:A?E"},
      {"key sum 59 gives offset 0", "A", ";", "E"},
      {"key sum 60 gives offset 1", "A", "<", "D"},
      {"key sum 119 gives offset 1", "A", "w", "D"},
      {"key sum 120 gives offset 2", "A", "x", "C"},
      {"empty text", "", "Lumen", ""},
      {"code below 0 dropped, position kept", "A\x05" "A", "", "E@"},
      {"code above 255 dropped, position kept", "\xFD" "A", "", ";"},
      {"control codes kept", std::string("\x00\x0D", 2), "", std::string("\x04\x07", 2)},
      {"top of the range kept", "\xFB", "", "\xFF"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Decifrar(c.texto, c.chave), c.esperado) << c.name;
  }
}

TEST(Decifrar, OffsetIsTheSumOverSixtyForEveryKeySum) {
  for (int soma = 0; soma <= 3000; ++soma) {
    std::string chave(static_cast<std::size_t>(soma / 255), '\xFF');
    if (soma % 255) chave += static_cast<char>(soma % 255);
    ASSERT_EQ(DeslocamentoDaChave(chave), soma / 60) << soma;
  }
}

TEST(Decifrar, TheSeventhCharacterHasPositionOneAgain) {
  EXPECT_EQ(PassoDaPosicao(7).constante, PassoDaPosicao(1).constante);
  EXPECT_EQ(PassoDaPosicao(6).constante, PassoDaPosicao(0).constante);
  EXPECT_EQ(PassoDaPosicao(1).constante, 4);
  EXPECT_EQ(PassoDaPosicao(6).constante, -2);
}

TEST(ChaveDaFrase, TakesCharactersTwoToFour) {
  EXPECT_EQ(ChaveDaFrase("Machado de Assis"), "ach");
  EXPECT_EQ(ChaveDaFrase("Ana"), "na");
  EXPECT_EQ(ChaveDaFrase("Jo"), "o");
  EXPECT_EQ(ChaveDaFrase("J"), "");
  EXPECT_EQ(ChaveDaFrase(""), "");
}

}  // namespace
}  // namespace quillora
