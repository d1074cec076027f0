#include "app/bandeja.h"

#include <gtest/gtest.h>

#include "platform/sim/janelas_sim.h"

namespace quillora {
namespace {

TEST(RegistroBandeja, AddWritesThe88ByteAnsiRecordAndRemoveKeepsWhatItDoesNotWrite) {
  SimJanelas ws;
  RegistroBandeja bandeja;
  bandeja.AdicionarIconeBandeja(ws, "Quillora", 0x1234, 0x5678);
  const auto bytes = BytesAnsi32(bandeja.Dados());
  const std::uint8_t cabeca[24] = {88, 0, 0, 0, 0x34, 0x12, 0, 0, 100, 0, 0, 0,
                                   7,  0, 0, 0, 0x00, 0x02, 0, 0, 0x78, 0x56, 0, 0};
  EXPECT_TRUE(std::equal(cabeca, cabeca + 24, bytes.begin()));
  const std::string dica(reinterpret_cast<const char*>(bytes.data()) + 24, 64);
  EXPECT_EQ(dica, std::string("Quillora") + '\0' + std::string(55, ' '));
  ASSERT_EQ(ws.icones.size(), 1u);

  bandeja.RemoverIconeBandeja(ws, 0x1234);
  ASSERT_EQ(ws.notificacoes.size(), 2u);
  EXPECT_EQ(ws.notificacoes[1].first, kNimDelete);
  EXPECT_EQ(BytesAnsi32(ws.notificacoes[1].second), bytes);  // flags, icon, tip kept
  EXPECT_TRUE(ws.icones.empty());
}

TEST(RegistroBandeja, ATipOf64CharactersOrMoreIsCutWithoutItsNul) {
  SimJanelas ws;
  RegistroBandeja bandeja;
  bandeja.AdicionarIconeBandeja(ws, std::string(70, 'x'), 1, 2);
  EXPECT_EQ(std::string(bandeja.Dados().szTip, 64), std::string(64, 'x'));
}

}  // namespace
}  // namespace quillora
