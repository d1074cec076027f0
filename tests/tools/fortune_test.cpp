#include "tools/frases/fortune.h"

#include <gtest/gtest.h>

#include "tests/support/arquivos.h"

namespace quillora {
namespace {

struct Esperado {
  std::size_t linha;
  std::string frase;
  std::optional<std::string> autor;
};

void ConfereRegistros(const ArquivoFortune& f, const std::vector<Esperado>& esperados) {
  ASSERT_EQ(f.registros.size(), esperados.size());
  for (std::size_t i = 0; i < esperados.size(); ++i) {
    const RegistroFortune& r = f.registros[i];
    EXPECT_EQ(r.numero, i + 1);
    EXPECT_EQ(r.linha, esperados[i].linha) << i;
    EXPECT_EQ(r.frase, esperados[i].frase) << i;
    EXPECT_EQ(r.autor, esperados[i].autor) << i;
  }
}

// Every attribution form; blank lines inside a record; a "--" that is not
// on the last line; an empty record between two separators.
TEST(LerFortune, TakesTheLastDashLineAsTheAuthorAndJoinsTheRestWithSingleSpaces) {
  const std::vector<Esperado> esperados = {
      {1, "Um texto antes do primeiro separador tamb\xC3\xA9m \xC3\xA9 um registro.", {}},
      {3,
       "Quem espera sempre alcan\xC3\xA7"
       "a.",
       "Prov\xC3\xA9rbio popular"},
      {7, "A vida \xC3\xA9 breve, a arte \xC3\xA9 longa.",
       "Hip\xC3\xB3"
       "crates"},
      {12, "Penso, logo existo.", "Ren\xC3\xA9 Descartes"},
      {15, "Sem atribui\xC3\xA7\xC3\xA3o -- o tra\xC3\xA7o no meio n\xC3\xA3o conta.", {}},
      {20, "Tudo tem seu tempo.", ""},
  };
  const std::string lf = teste::LerFonte("tests/tools/fortune/atribuicoes.txt");
  std::string crlf;
  for (const char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  for (const std::string& bytes : {lf, crlf, "\xEF\xBB\xBF" + lf}) {
    const ArquivoFortune f = LerFortune(bytes);
    EXPECT_FALSE(f.cp1252);
    ConfereRegistros(f, esperados);
  }
}

TEST(LerFortune, ReadsBytesThatAreNotUtf8AsWindows1252) {
  const ArquivoFortune f = LerFortune(teste::LerFonte("tests/tools/fortune/latin1.txt"));
  EXPECT_TRUE(f.cp1252);
  ConfereRegistros(f, {{1,
                        "Quem n\xC3\xA3o tem c\xC3\xA3o ca\xC3\xA7"
                        "a com gato.",
                        "Prov\xC3\xA9rbio"},
                       {4,
                        "\xE2\x80\x9C"
                        "Devagar\xE2\x80\x9D se vai ao longe \xE2\x80\x93 dizem.",
                        {}}});
}

TEST(LerFortune, AFileWithoutTextHasNoRecords) {
  for (const char* bytes : {"", "%\n%\n", "\n\n%\r\n  \n"}) {
    EXPECT_TRUE(LerFortune(bytes).registros.empty()) << bytes;
  }
}

}  // namespace
}  // namespace quillora
