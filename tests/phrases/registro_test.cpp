#include "phrases/registro.h"

#include <gtest/gtest.h>

namespace quillora {
namespace {

TEST(DividirRegistro, SplitsAtTheFirstSeparator) {
  struct Case {
    const char* name;
    std::string linha;
    std::string frase;
    std::string autor;
  };
  const std::string sep(kSeparador);
  for (const Case& c : {
           Case{"middle", "ab" + sep + "cd", "ab", "cd"},
           Case{"separator first", sep + "cd", "", "cd"},
           Case{"separator last", "ab" + sep, "ab", ""},
           Case{"twice: the second stays in the author", "a" + sep + "b" + sep + "c", "a", "b" + sep + "c"},
           Case{"partial separators are plain bytes", "\xFE\x06x" + sep + "\x06\x9D", "\xFE\x06x", "\x06\x9D"},
       }) {
    std::string linha = c.linha;
    std::string autor;
    ASSERT_TRUE(TemSeparador(linha)) << c.name;
    DividirRegistro(linha, autor);
    EXPECT_EQ(linha, c.frase) << c.name;
    EXPECT_EQ(autor, c.autor) << c.name;
  }
}

TEST(DividirRegistro, ALineWithoutTheSeparatorIsNotARecord) {
  for (const char* linha : {"", "sem separador", "\xFE\x06", "\x06\x9D\xFE"}) {
    EXPECT_FALSE(TemSeparador(linha)) << linha;
    EXPECT_EQ(PosicaoSeparador(linha), 0u);
  }
  EXPECT_EQ(PosicaoSeparador("ab\xFE\x06\x9D"), 3u);
}

}  // namespace
}  // namespace quillora
