#include "app/icone_bandeja.h"

#include <gtest/gtest.h>

#include "platform/sim/plataforma_sim.h"

namespace quillora {
namespace {

std::vector<chamada::Shell_NotifyIcon> Notificacoes(const SimPlataforma& sim) {
  return DoTipo<chamada::Shell_NotifyIcon>(sim.chamadas);
}

TEST(IconeBandeja, AddWritesThe88ByteAnsiRecordAndRemoveKeepsWhatItDoesNotWrite) {
  SimPlataforma sim;
  IconeBandeja icone(sim);
  icone.AdicionarIconeBandeja("Quillora", Hwnd{0x1234}, Hicon{0x5678});
  const auto bytes = BytesAnsi32(icone.Registro());
  const std::uint8_t cabeca[24] = {88, 0, 0, 0, 0x34, 0x12, 0, 0, 100, 0, 0, 0,
                                   7,  0, 0, 0, 0x00, 0x02, 0, 0, 0x78, 0x56, 0, 0};
  EXPECT_TRUE(std::equal(cabeca, cabeca + 24, bytes.begin()));
  const std::string dica(reinterpret_cast<const char*>(bytes.data()) + 24, 64);
  EXPECT_EQ(dica, std::string("Quillora") + '\0' + std::string(55, ' '));
  ASSERT_EQ(sim.icones.size(), 1u);

  icone.RemoverIconeBandeja();
  ASSERT_EQ(Notificacoes(sim).size(), 2u);
  EXPECT_EQ(Notificacoes(sim)[1].mensagem, MensagemIcone::kNimDelete);
  EXPECT_EQ(BytesAnsi32(Notificacoes(sim)[1].registro), bytes);  // flags, icon, tip kept
  EXPECT_TRUE(sim.icones.empty());
}

TEST(IconeBandeja, ATipOf64CharactersOrMoreIsCutWithoutItsNul) {
  SimPlataforma sim;
  IconeBandeja icone(sim);
  icone.AdicionarIconeBandeja(std::string(70, 'x'), Hwnd{1}, Hicon{2});
  EXPECT_EQ(std::string(icone.Registro().szTip, 64), std::string(64, 'x'));
}

TEST(IconeBandeja, RemovesItselfOnceOnEveryWayOutAndComesBackWithTheTaskbar) {
  SimPlataforma sim;
  {
    IconeBandeja icone(sim);
    icone.TaskbarCreated();  // not added yet: nothing
    EXPECT_TRUE(Notificacoes(sim).empty());
    icone.AdicionarIconeBandeja("Quillora", Hwnd{1}, Hicon{2});
    sim.icones.clear();  // the shell restarted and forgot it
    icone.TaskbarCreated();
    EXPECT_EQ(sim.icones.size(), 1u);
    icone.RemoverIconeBandeja();
    icone.RemoverIconeBandeja();  // already gone: nothing more
    icone.AdicionarIconeBandeja("Quillora", Hwnd{1}, Hicon{2});
  }  // and its end takes it away
  EXPECT_TRUE(sim.icones.empty());
  std::vector<MensagemIcone> mensagens;
  for (const auto& n : Notificacoes(sim)) mensagens.push_back(n.mensagem);
  using enum MensagemIcone;
  EXPECT_EQ(mensagens, (std::vector<MensagemIcone>{kNimAdd, kNimAdd, kNimDelete, kNimAdd,
                                                   kNimDelete}));
}

}  // namespace
}  // namespace quillora
