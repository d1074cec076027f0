#include "tools/frases/comandos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/posix/runtime_posix.h"
#include "tests/support/registros.h"

namespace quillora {
namespace {

namespace fs = std::filesystem;

class ComandosTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("quillora_cmd_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    return (dir / name).string();
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  fs::path dir;
  PosixRuntime rt{u"."};
  std::ostringstream out, err;
};

TEST_F(ComandosTest, PackWritesNothingWhenAnyLineIsBad) {
  const std::string saida = Write("dados.lst", "antigo");
  const std::string entrada = Write("in.txt", "boa\tAutor\nruim sem tab\n");
  EXPECT_EQ(ComandoPack(entrada, saida, err), kSaidaDados);
  EXPECT_EQ(Read(saida), "antigo");
  EXPECT_NE(err.str().find("in.txt:2:"), std::string::npos) << err.str();
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
}

TEST_F(ComandosTest, PackReplacesTheOutputAndListGivesTheTextBack) {
  const std::string texto = "Devagar se vai ao longe.\tProv\xC3\xA9rbio popular\n"
                            "Tudo vale a pena se a alma n\xC3\xA3o \xC3\xA9 pequena.\tFernando Pessoa\n";
  const std::string saida = Write("dados.lst", "antigo");
  ASSERT_EQ(ComandoPack(Write("in.txt", texto), saida, err), kSaidaOk) << err.str();
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
  for (const Case& c : {Case{"good", good, kSaidaOk, "registros: 2\nlinhas com defeito: 0\n"},
                        Case{"broken lines", good + "x\r\n\r\n", kSaidaOk,
                             "registros: 2\nlinhas com defeito: 2\n"},
                        Case{"empty", "", kSaidaDados, "registros: 0\nlinhas com defeito: 0\n"},
                        Case{"blank", "\r\n\r\n", kSaidaDados,
                             "registros: 0\nlinhas com defeito: 2\n"}}) {
    std::ostringstream o, e;
    EXPECT_EQ(ComandoCheck(rt, Write("f.lst", c.bytes), o, e), c.status) << c.name;
    EXPECT_EQ(o.str(), c.report) << c.name;
  }
  EXPECT_EQ(ComandoCheck(rt, (dir / "nada.lst").string(), out, err), kSaidaDados);
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
