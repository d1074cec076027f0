// The native build's measurer, over the fonts this machine has.
#include <gtest/gtest.h>

#include "tools/frases/medida.h"

namespace quillora {
namespace {

TEST(MedidorTrueType, FindsArialOrItsMetricTwinAndMeasuresEachCharacter) {
  const MedidorCriado m = CriarMedidor({});
  ASSERT_TRUE(m.medidor) << m.motivo;
  Medidor& medidor = *m.medidor;
  EXPECT_EQ(medidor.LarguraDoAutor(""), 0);
  EXPECT_EQ(medidor.LarguraDoAutor("Ana"),
            medidor.LarguraDoAutor("A") + medidor.LarguraDoAutor("na"));
  // Windows-1252 bytes are measured as their own characters: the euro sign
  // is narrower than an "M", where a missing character would take a whole em.
  EXPECT_LT(medidor.LarguraDoAutor("\x80"), medidor.LarguraDoAutor("M"));
  EXPECT_EQ(medidor.LarguraDoAutor("\xE9"), medidor.LarguraDoAutor("e"));
  EXPECT_EQ(medidor.LinhasDaFrase("Quem espera sempre alcan\xE7"
                                  "a.",
                                  LarguraFrasePx()),
            1);
}

TEST(MedidorTrueType, RefusesFontFilesItCannotRead) {
  const std::string semFonte = std::string(QUILLORA_SOURCE_DIR) + "/README.md";
  for (const OpcoesMedida& o : {OpcoesMedida{semFonte, ""}, OpcoesMedida{"", "/nada/fonte.ttf"}}) {
    const MedidorCriado m = CriarMedidor(o);
    EXPECT_FALSE(m.medidor);
    EXPECT_NE(m.motivo.find(o.fonteFrase.empty() ? o.fonteAutor : o.fonteFrase), std::string::npos)
        << m.motivo;
  }
}

}  // namespace
}  // namespace quillora
