#include "phrases/sorteio.h"

#include <gtest/gtest.h>

#include "phrases/registro.h"
#include "platform/sim/runtime_sim.h"
#include "tests/support/registros.h"

namespace quillora {
namespace {

using teste::Arquivo;
using teste::Registro;

constexpr char kCaminho[] = "C:\\Quillora\\dados.lst";

class SorteioTest : public ::testing::Test {
 protected:
  Sorteio Sortear() {
    return SortearRegistro(rt, estado, [this] { return CaminhoDados(rt); });
  }
  FraseDecifrada SortearFrase() {
    EXPECT_EQ(Sortear(), Sorteio::Ok);
    FraseDecifrada frase = DecifrarRegistro(estado);
    FecharArquivos(estado);
    return frase;
  }
  void ExpectFileObjectsReleased() {
    EXPECT_EQ(rt.fsosVivos, 0);
    EXPECT_EQ(rt.fluxosVivos, 0);
    EXPECT_EQ(rt.arquivosAbertos, 0);
    EXPECT_EQ(estado.fso, nullptr);
    EXPECT_EQ(estado.fluxo, nullptr);
  }

  SimRuntime rt;
  EstadoSorteio estado;
};

TEST_F(SorteioTest, DrawsFloorOfCountTimesRPlusOne) {
  rt.arquivos[kCaminho] = Arquivo({"um\tAna", "dois\tBia", "tr\xC3\xAAs\tCau"});
  struct Case {
    double r;
    std::int64_t linha;
    const char* frase;
  };
  for (const Case& c : {Case{0.0, 1, "um"}, Case{0.3333, 1, "um"},
                        Case{0.34, 2, "dois"}, Case{0.6667, 3, "tr\xEAs"},
                        Case{0.9999999999, 3, "tr\xEAs"}}) {
    rt.sorteios = {c.r};
    const FraseDecifrada frase = SortearFrase();
    EXPECT_EQ(estado.numeroSorteado, c.linha) << c.r;
    EXPECT_EQ(frase.frase, c.frase) << c.r;
  }
}

TEST_F(SorteioTest, RunsTheStepsInOrderReadingThePathAfreshEachTime) {
  rt.appPath = "C:\\";  // a drive root keeps its backslash
  rt.arquivos["C:\\\\dados.lst"] = Arquivo({"s\xC3\xB3\tEva"});
  rt.relogio = 3723.75;
  rt.sorteios = {0.5};
  const FraseDecifrada frase = SortearFrase();
  EXPECT_EQ(frase.frase, "s\xF3");
  EXPECT_EQ(frase.autor, "Eva");
  const std::vector<std::string> esperado = {
      "CreateFileSystemObject", "AppPath", "FileExists C:\\\\dados.lst",
      "AppPath", "OpenTextFile C:\\\\dados.lst", "Timer", "Randomize", "Rnd",
      "AppPath", "OpenTextFile C:\\\\dados.lst"};
  EXPECT_EQ(rt.chamadas, esperado);
  EXPECT_EQ(rt.sementes, std::vector<double>{3723.75});
  ExpectFileObjectsReleased();
}

TEST_F(SorteioTest, FindsTheFileInAFolderNamedInAnyScript) {
  for (const char* pasta : {"C:\\Users\\\xC5\x81ukasz\\AppData\\Local\\Programs\\Quillora",
                            "C:\\Programas\\\xD0\xA6\xD0\xB8\xD1\x82\xD0\xB0\xD1\x82\xD1\x8B"}) {
    rt.appPath = pasta;
    rt.arquivos.clear();
    rt.arquivos[std::string(pasta) + "\\dados.lst"] = Arquivo({"um\tAna"});
    EXPECT_EQ(SortearFrase().frase, "um") << pasta;
  }
}

TEST_F(SorteioTest, SeedsOnEveryCycleAndKeepsTheRawFieldsAfterwards) {
  rt.arquivos[kCaminho] = Arquivo({"um\tAna", "dois\tBia"});
  rt.sorteios = {0.1, 0.9};
  SortearFrase();
  rt.relogio += 1;
  SortearFrase();
  EXPECT_EQ(rt.sementes.size(), 2u);
  std::string linha = Registro("dois\tBia");
  std::string autor;
  DividirRegistro(linha, autor);
  EXPECT_EQ(estado.linhaRegistro, linha);
  EXPECT_EQ(estado.autorBruto, autor);
  EXPECT_EQ(estado.numeroSorteado, 2);
}

TEST_F(SorteioTest, LinesWithoutTheSeparatorAreNotRecords) {
  rt.arquivos[kCaminho] = "lixo\r\n\r\n" + Registro("um\tAna") + "\r\n\r\n" +
                          "sem nada\r\n" + Registro("dois\tBia");
  rt.sorteios = {0.75};
  EXPECT_EQ(SortearFrase().frase, "dois");
  EXPECT_EQ(estado.numeroSorteado, 2);
}

TEST_F(SorteioTest, AFileThatShrinksBetweenThePassesYieldsItsLastRecord) {
  rt.arquivos[kCaminho] = Arquivo({"um\tAna", "dois\tBia", "tres\tCau"});
  rt.aoAbrir = [this](int abertura) {
    if (abertura == 2) rt.arquivos[kCaminho] = Arquivo({"um\tAna", "dois\tBia"});
  };
  rt.sorteios = {0.9};
  EXPECT_EQ(SortearFrase().frase, "dois");
}

TEST_F(SorteioTest, ReachesRecordsBeyond32767) {
  std::string bytes;
  for (int i = 1; i <= 40000; ++i) {
    bytes += Registro("frase " + std::to_string(i) + "\tAutor") + "\r\n";
  }
  rt.arquivos[kCaminho] = bytes;
  rt.bytesPorLeitura = 1 << 16;
  rt.sorteios = {0.99999};
  EXPECT_EQ(SortearFrase().frase, "frase 40000");
  EXPECT_EQ(estado.numeroSorteado, 40000);
}

TEST_F(SorteioTest, GarbageHugeLinesAndNulBytesGiveAPhraseOrTheMessage) {
  rt.bytesPorLeitura = 1 << 16;
  const std::string registro = Registro("s\xC3\xB3 esta\tEva");
  std::string lixo;
  for (int i = 0; i < 4096; ++i) lixo += static_cast<char>((i * 131) % 251);  // no 0xFE
  struct Case {
    const char* name;
    std::string bytes;
    Sorteio esperado;
  };
  const std::vector<Case> cases = {
      {"garbage with NUL bytes, no record", lixo + std::string(100, '\0'), Sorteio::SemFrases},
      {"garbage around one record", lixo + "\r\n" + registro + "\r\n" + std::string(9, '\0'),
       Sorteio::Ok},
      {"one 5 MB line without separator", std::string(5 << 20, 'x'), Sorteio::SemFrases},
      {"one 5 MB record", std::string(5 << 20, 'x') + registro, Sorteio::Ok},
  };
  for (const Case& c : cases) {
    rt.arquivos[kCaminho] = c.bytes;
    rt.sorteios = {0.5};
    EXPECT_EQ(Sortear(), c.esperado) << c.name;
    if (c.esperado == Sorteio::Ok) {
      EXPECT_EQ(DecifrarRegistro(estado).autor, "Eva") << c.name;
    }
    FecharArquivos(estado);
    EXPECT_EQ(rt.fsosVivos + rt.fluxosVivos + rt.arquivosAbertos, 0) << c.name;
  }
}

TEST_F(SorteioTest, AFileRemovedOrReplacedBetweenTwoCyclesTakesEffectAtTheNext) {
  rt.arquivos[kCaminho] = Arquivo({"um\tAna"});
  EXPECT_EQ(SortearFrase().frase, "um");
  rt.arquivos[kCaminho] = Arquivo({"trocado\tBia"});
  EXPECT_EQ(SortearFrase().frase, "trocado");
  rt.arquivos.erase(kCaminho);
  EXPECT_EQ(Sortear(), Sorteio::ArquivoInexistente);
}

struct Falha {
  const char* name;
  std::function<void(SimRuntime&)> preparar;
  Sorteio esperado;
  const char* primeiraLinha;
};

TEST_F(SorteioTest, EachFailureReleasesTheFileAndNamesItsProblem) {
  const std::vector<Falha> falhas = {
      {"missing", [](SimRuntime&) {}, Sorteio::ArquivoInexistente,
       "Arquivo de Quillora Inexistente!"},
      {"a folder", [](SimRuntime& r) { r.arquivos[kCaminho]; r.pastas.insert(kCaminho); },
       Sorteio::ArquivoInexistente, "Arquivo de Quillora Inexistente!"},
      {"empty", [](SimRuntime& r) { r.arquivos[kCaminho] = ""; },
       Sorteio::SemFrases, "Arquivo de Quillora Sem Frases!"},
      {"blank lines", [](SimRuntime& r) { r.arquivos[kCaminho] = "\r\n\r\n\n"; },
       Sorteio::SemFrases, "Arquivo de Quillora Sem Frases!"},
      {"no separator", [](SimRuntime& r) { r.arquivos[kCaminho] = "abc\r\ndef"; },
       Sorteio::SemFrases, "Arquivo de Quillora Sem Frases!"},
      {"emptied between passes",
       [](SimRuntime& r) {
         r.arquivos[kCaminho] = Arquivo({"um\tAna"});
         r.aoAbrir = [&r](int n) { if (n == 2) r.arquivos[kCaminho] = ""; };
       },
       Sorteio::SemFrases, "Arquivo de Quillora Sem Frases!"},
      {"cannot open", [](SimRuntime& r) {
         r.arquivos[kCaminho] = Arquivo({"um\tAna"});
         r.naoAbrem.insert(kCaminho);
       }, Sorteio::Ilegivel, "Arquivo de Quillora Ileg\xEDvel!"},
      {"read fails", [](SimRuntime& r) {
         r.arquivos[kCaminho] = Arquivo({"um\tAna", "dois\tBia"});
         r.falharLeituraAposBytes = 10;
       }, Sorteio::Ilegivel, "Arquivo de Quillora Ileg\xEDvel!"},
  };
  for (const Falha& f : falhas) {
    SimRuntime local;
    EstadoSorteio e;
    f.preparar(local);
    EXPECT_EQ(SortearRegistro(local, e, [&] { return CaminhoDados(local); }), f.esperado)
        << f.name;
    EXPECT_EQ(local.fsosVivos + local.fluxosVivos + local.arquivosAbertos, 0) << f.name;
    EXPECT_EQ(MensagemDeFalha(f.esperado),
              std::string(f.primeiraLinha) + "\r\nReinstale o programa novamente !");
  }
}

}  // namespace
}  // namespace quillora
