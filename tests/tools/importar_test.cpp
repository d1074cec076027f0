#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/posix/runtime_posix.h"
#include "tests/support/medidor_fixo.h"
#include "tests/support/pasta_temporaria.h"
#include "tools/frases/comandos.h"

namespace quillora {
namespace {

namespace fs = std::filesystem;

class ImportarTest : public teste::PastaTemporaria {
 protected:
  static std::string Fixture(const std::string& nome) {
    return std::string(QUILLORA_SOURCE_DIR) + "/tests/tools/fortune/" + nome;
  }
  static bool Contem(const std::string& texto, const std::string& parte) {
    return texto.find(parte) != std::string::npos;
  }

  teste::MedidorFixo medidor;
  std::ostringstream out, err;
};

// A character outside Windows-1252, an empty phrase, a code the scrambling
// cannot hold and a phrase of eight lines are each named and left out.
TEST_F(ImportarTest, LeavesOutAndNamesEachRecordThatCannotBeStoredOrDoesNotFit) {
  OpcoesImportar o;
  o.entradas = {Fixture("problemas.txt"),
                Write("longas.txt", teste::FraseDeLinhas(7) + "\n-- Sete\n%\n" +
                                        teste::FraseDeLinhas(8) + "\n-- Oito\n")};
  o.saida = Em("frases.txt");
  EXPECT_EQ(ComandoImportar(o, &medidor, out, err), kSaidaDados);
  EXPECT_EQ(Read(o.saida), "Cabe bem.\tAna\n" + teste::FraseDeLinhas(7) + "\tSete\n");
  EXPECT_EQ(out.str(), "");
  const std::string e = err.str();
  EXPECT_TRUE(Contem(e, "problemas.txt:1: registro 1: ") && Contem(e, "(caractere 6)")) << e;
  EXPECT_TRUE(Contem(e, "problemas.txt:4: registro 2: frase vazia\n")) << e;
  EXPECT_TRUE(Contem(e, "problemas.txt:9: registro 4: código fora de 0 a 255 ao cifrar o autor"))
      << e;
  EXPECT_TRUE(Contem(e, "longas.txt:4: registro 2: não cabe no quadro: 8 linhas")) << e;
  EXPECT_TRUE(Contem(e,
                     "6 registros lidos, 2 gravados, 4 deixados de fora (3 não podem ser "
                     "gravados, 1 não cabem no quadro)\n"))
      << e;

  std::ostringstream todasErr;
  o.todas = true;
  EXPECT_EQ(ComandoImportar(o, &medidor, out, todasErr), kSaidaDados);
  EXPECT_TRUE(Contem(Read(o.saida), teste::FraseDeLinhas(8) + "\tOito\n"));
  EXPECT_TRUE(Contem(todasErr.str(), "não cabe no quadro: 8 linhas (máximo 7): "))
      << todasErr.str();
  EXPECT_TRUE(Contem(todasErr.str(),
                     "6 registros lidos, 3 gravados, 3 deixados de fora (3 não "
                     "podem ser gravados, 0 não cabem no quadro); 1 não cabem no "
                     "quadro, mantidos (--todas)\n"))
      << todasErr.str();
}

TEST_F(ImportarTest, WritesAFinishedPhraseFileThatTheProgramsReaderGivesBack) {
  OpcoesImportar o;
  o.entradas = {Fixture("atribuicoes.txt"), Fixture("latin1.txt")};
  o.lst = Em("dados.lst");
  o.autor = "Desconhecido";
  EXPECT_EQ(ComandoImportar(o, &medidor, out, err), kSaidaOk) << err.str();
  const std::string esperado =
      "Um texto antes do primeiro separador também é um registro.\tDesconhecido\n"
      "Quem espera sempre alcança.\tProvérbio popular\n"
      "A vida é breve, a arte é longa.\tHipócrates\n"
      "Penso, logo existo.\tRené Descartes\n"
      "Sem atribuição -- o traço no meio não conta.\tDesconhecido\n"
      "Tudo tem seu tempo.\tDesconhecido\n"
      "Quem não tem cão caça com gato.\tProvérbio\n"
      "\xE2\x80\x9C"
      "Devagar\xE2\x80\x9D se vai ao longe \xE2\x80\x93 dizem.\tDesconhecido\n";
  EXPECT_EQ(out.str(), "");
  EXPECT_TRUE(Contem(err.str(), "latin1.txt: não é UTF-8; lido como Windows-1252\n")) << err.str();
  EXPECT_TRUE(Contem(err.str(), "8 registros lidos, 8 gravados, 0 deixados de fora\n"))
      << err.str();

  PosixRuntime rt{u"."};
  std::ostringstream lista;
  ASSERT_EQ(ComandoList(rt, o.lst, lista, err), kSaidaOk);
  EXPECT_EQ(lista.str(), esperado);
}

TEST_F(ImportarTest, WithoutAnAttributionTheAuthorIsAnonimo) {
  OpcoesImportar o;
  o.entradas = {Write("um.txt", "S\xC3\xB3 o texto.\n")};
  EXPECT_EQ(ComandoImportar(o, nullptr, out, err), kSaidaOk);
  EXPECT_EQ(out.str(), "S\xC3\xB3 o texto.\tAn\xC3\xB4nimo\n");
}

TEST_F(ImportarTest, NothingImportableOrUnreadableFailsAndWritesNothing) {
  OpcoesImportar o;
  o.entradas = {Write("vazio.txt", "%\n%\n")};
  o.saida = Em("frases.txt");
  EXPECT_EQ(ComandoImportar(o, &medidor, out, err), kSaidaDados);
  EXPECT_FALSE(fs::exists(o.saida));
  o.entradas = {Em("nada.txt"), Write("um.txt", "Texto.\n")};
  EXPECT_EQ(ComandoImportar(o, &medidor, out, err), kSaidaDados);
  EXPECT_TRUE(Contem(err.str(), "nada.txt: não foi possível ler")) << err.str();
  EXPECT_FALSE(fs::exists(o.saida));
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace quillora
