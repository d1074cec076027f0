#include "tools/frases/empacotar.h"

#include <gtest/gtest.h>

#include "phrases/decifrar.h"
#include "phrases/registro.h"
#include "tools/frases/cifrar.h"

namespace quillora {
namespace {

TEST(Cifrar, IsTheExactInverseOfDecifrarForEveryStorableByte) {
  for (const char* chave : {"", "Lumen", "ach", "\xFF\xFF\xFF"}) {
    for (int c = 0; c < 256; ++c) {
      for (std::size_t pos = 0; pos < 6; ++pos) {
        const std::string texto = std::string(pos, 'a') + static_cast<char>(c);
        const Cifrado cifrado = Cifrar(texto, chave);
        if (!cifrado.texto) {
          EXPECT_EQ(cifrado.posicaoRuim, pos + 1);
          continue;
        }
        ASSERT_EQ(Decifrar(*cifrado.texto, chave), texto) << c << " at " << pos;
      }
    }
  }
}

TEST(Empacotar, StoresEachLineAsARecordThatDecodesBack) {
  const Empacotado p = Empacotar(
      "\xEF\xBB\xBF" "Quem ama o feio, bonito lhe parece.\tProv\xC3\xA9rbio popular\r\n"
      "\n"
      "A & B: 50% \xE2\x80\x9C" "aspas\xE2\x80\x9D\tM\xC3\xA1rio\n");
  ASSERT_TRUE(p.erros.empty());
  EXPECT_EQ(p.registros, 2u);
  const std::size_t fim = p.bytes.find("\r\n");
  std::string linha = p.bytes.substr(0, fim);
  std::string autor;
  DividirRegistro(linha, autor);
  const std::string autorClaro = Decifrar(autor, "Lumen");
  EXPECT_EQ(autorClaro, "Prov\xE9rbio popular");
  EXPECT_EQ(Decifrar(linha, ChaveDaFrase(autorClaro)), "Quem ama o feio, bonito lhe parece.");
  EXPECT_EQ(p.bytes.substr(p.bytes.size() - 2), "\r\n");
}

TEST(Empacotar, ReportsEveryLineThatCannotBeStoredWithItsNumberAndReason) {
  const Empacotado p = Empacotar(
      "boa\tAutor\n"
      "sem tabula\xC3\xA7\xC3\xA3o\n"
      "seta \xE2\x86\x92\tAutor\n"
      "a\tb\tc\n"
      "\xFF\xFF\xFF\xFF\xFF\xFF\tZ\n"
      "meio\rdela\tAutor\n");
  ASSERT_EQ(p.erros.size(), 5u);
  EXPECT_EQ(p.erros[0].linha, 2u);
  EXPECT_NE(p.erros[0].motivo.find("tabula"), std::string::npos);
  EXPECT_EQ(p.erros[1].linha, 3u);
  EXPECT_NE(p.erros[1].motivo.find("Windows-1252"), std::string::npos);
  EXPECT_EQ(p.erros[2].linha, 4u);
  EXPECT_EQ(p.erros[3].linha, 5u);
  EXPECT_EQ(p.erros[4].linha, 6u);
}

TEST(Empacotar, RejectsTextsWhoseScrambledBytesWouldBreakTheLine) {
  // With key "ut" (from author "Qut"), offset is 3: position 1 shifts by +1,
  // so a plain 0x0E would be stored as 0x0D, a CR.
  const LinhaEmpacotada l = EmpacotarLinha("\x0E\tQut");
  EXPECT_FALSE(l.registro);
  EXPECT_NE(l.motivo.find("CR ou LF"), std::string::npos) << l.motivo;
}

}  // namespace
}  // namespace quillora
