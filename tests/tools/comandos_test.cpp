#include "tools/frases/comandos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/posix/runtime_posix.h"
#include "tests/support/medidor_fixo.h"
#include "tests/support/pasta_temporaria.h"
#include "tests/support/registros.h"

namespace quillora {
namespace {

namespace fs = std::filesystem;

class ComandosTest : public teste::PastaTemporaria {
 protected:
  PosixRuntime rt{u"."};
  std::ostringstream out, err;
};

TEST_F(ComandosTest, PackWritesNothingWhenAnyLineIsBad) {
  const std::string saida = Write("dados.lst", "antigo");
  const std::string entrada = Write("in.txt", "boa\tAutor\nruim sem tab\n");
  EXPECT_EQ(ComandoPack(entrada, saida, nullptr, false, err), kSaidaDados);
  EXPECT_EQ(Read(saida), "antigo");
  EXPECT_NE(err.str().find("in.txt:2:"), std::string::npos) << err.str();
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST_F(ComandosTest, PackReplacesTheOutputAndListGivesTheTextBack) {
  const std::string texto =
      "Devagar se vai ao longe.\tProv\xC3\xA9rbio popular\n"
      "Tudo vale a pena se a alma n\xC3\xA3o \xC3\xA9 pequena.\tFernando Pessoa\n";
  const std::string saida = Write("dados.lst", "antigo");
  ASSERT_EQ(ComandoPack(Write("in.txt", texto), saida, nullptr, false, err), kSaidaOk) << err.str();
  EXPECT_EQ(ComandoList(rt, saida, out, err), kSaidaOk);
  EXPECT_EQ(out.str(), texto);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST_F(ComandosTest, CheckFailsExactlyWhenTheProgramCouldNotUseTheFile) {
  struct Case {
    const char* name;
    std::string bytes;
    int status;
    const char* report;
  };
  const std::string good = teste::Arquivo({"um\tAna", "dois\tBia"});
  for (const Case& c :
       {Case{"good", good, kSaidaOk, "registros: 2\nlinhas com defeito: 0\n"},
        Case{"broken lines", good + "x\r\n\r\n", kSaidaOk, "registros: 2\nlinhas com defeito: 2\n"},
        Case{"empty", "", kSaidaDados, "registros: 0\nlinhas com defeito: 0\n"},
        Case{"blank", "\r\n\r\n", kSaidaDados, "registros: 0\nlinhas com defeito: 2\n"}}) {
    std::ostringstream o, e;
    EXPECT_EQ(ComandoCheck(rt, Write("f.lst", c.bytes), nullptr, false, o, e), c.status) << c.name;
    EXPECT_EQ(o.str(), c.report) << c.name;
  }
  EXPECT_EQ(ComandoCheck(rt, (dir / "nada.lst").string(), nullptr, false, out, err), kSaidaDados);
}

// Seven lines fit and eight do not; an author of 26 characters fits its
// label (265 px) and one of 27 is 5 px too wide.
TEST_F(ComandosTest, CheckListsEachRecordThatDoesNotFitTheBoard) {
  teste::MedidorFixo medidor;
  const std::string autor26(26, 'x'), autor27(27, 'x');
  const std::string arquivo = Write(
      "f.lst",
      teste::Arquivo({teste::FraseDeLinhas(7) + "\t" + autor26, teste::FraseDeLinhas(8) + "\tAna",
                      "curta\t" + autor27, teste::FraseDeLinhas(9) + "\t" + autor27}) +
          "sem separador\r\n");
  EXPECT_EQ(ComandoCheck(rt, arquivo, &medidor, false, out, err), kSaidaDados);
  const std::string a8 = std::string(31, 'a') + " " + std::string(31, 'b');
  EXPECT_EQ(out.str(),
            "registro 2 (linha 2): 8 linhas (m\xC3\xA1ximo 7): " + a8 + " " + std::string(31, 'c') +
                " " + std::string(31, 'd') + " " + std::string(31, 'e') + " " +
                std::string(31, 'f') +
                " \xE2\x80\xA6\n"
                "registro 3 (linha 3): autor 5 px mais largo que o r\xC3\xB3tulo: curta\n"
                "registro 4 (linha 4): 9 linhas (m\xC3\xA1ximo 7), autor 5 px mais largo que o "
                "r\xC3\xB3tulo: " +
                a8 + " " + std::string(31, 'c') + " " + std::string(31, 'd') + " " +
                std::string(31, 'e') + " " + std::string(31, 'f') +
                " \xE2\x80\xA6\n"
                "registros: 4\nlinhas com defeito: 1\nn\xC3\xA3o cabem no quadro: 3\n");

  std::ostringstream todas, todasErr;
  const std::string cabem = Write("c.lst", teste::Arquivo({"um\tAna", "dois dois\t" + autor26}));
  EXPECT_EQ(ComandoCheck(rt, cabem, &medidor, true, todas, todasErr), kSaidaOk);
  EXPECT_EQ(todas.str(),
            "registro 1 (linha 1): 1 linhas, autor 30 px\n"
            "registro 2 (linha 2): 1 linhas, autor 260 px\n"
            "registros: 2\nlinhas com defeito: 0\nn\xC3\xA3o cabem no quadro: 0\n");
}

TEST_F(ComandosTest, PackReportsWhatDoesNotFitAndWithEstritoWritesNothing) {
  teste::MedidorFixo medidor;
  const std::string entrada =
      Write("in.txt", teste::FraseDeLinhas(7) + "\tAna\n" + teste::FraseDeLinhas(8) + "\tBia\n");
  const std::string saida = Write("dados.lst", "antigo");
  for (Medidor* m : {static_cast<Medidor*>(&medidor), static_cast<Medidor*>(nullptr)}) {
    std::ostringstream e;
    EXPECT_EQ(ComandoPack(entrada, saida, m, true, e), kSaidaDados);
    EXPECT_EQ(Read(saida), "antigo");
    EXPECT_NE(e.str().find("nada foi gravado"), std::string::npos) << e.str();
  }
  EXPECT_EQ(ComandoPack(entrada, saida, &medidor, false, err), kSaidaOk);
  EXPECT_NE(err.str().find("in.txt:2: n\xC3\xA3o cabe no quadro: 8 linhas"), std::string::npos)
      << err.str();
  EXPECT_NE(err.str().find("2 registros gravados em " + saida + "; 1 n\xC3\xA3o cabem no quadro"),
            std::string::npos)
      << err.str();
  ASSERT_EQ(ComandoList(rt, saida, out, err), kSaidaOk);
  EXPECT_EQ(out.str(), Read(entrada));
}

TEST_F(ComandosTest, DrawPrintsOnePhraseAndDecodeReadsARawField) {
  const std::string arquivo = Write("d.lst", teste::Arquivo({"s\xC3\xB3 uma\tEva"}));
  EXPECT_EQ(ComandoDraw(rt, arquivo, out, err), kSaidaOk);
  EXPECT_EQ(out.str(), "s\xC3\xB3 uma\n  \xE2\x80\x94 Eva\n");

  std::istringstream in("AAAAAAA");
  std::ostringstream decoded;
  EXPECT_EQ(ComandoDecode("bbb", in, decoded, err), kSaidaOk);
  EXPECT_EQ(decoded.str(), "A?<>=CA");
  std::istringstream none;
  EXPECT_EQ(ComandoDecode("\xE2\x86\x92", none, decoded, err), kSaidaUso);
}

TEST_F(ComandosTest, DrawReportsAFileWithoutPhrases) {
  EXPECT_EQ(ComandoDraw(rt, Write("d.lst", "\r\n"), out, err), kSaidaDados);
  EXPECT_NE(err.str().find("Sem Frases"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace quillora
