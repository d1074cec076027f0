// The shipped phrase data: the list and dados.lst agree, and the list is
// large enough and free of repeats.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "tools/frases/empacotar.h"

namespace quillora {
namespace {

std::string Read(const std::string& name) {
  std::ifstream in(std::string(QUILLORA_SOURCE_DIR) + "/data/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(DadosLst, IsExactlyThePackedPhraseList) {
  const Empacotado p = Empacotar(Read("frases.txt"));
  ASSERT_TRUE(p.erros.empty()) << p.erros.front().linha << ": " << p.erros.front().motivo;
  EXPECT_GE(p.registros, 300u);
  EXPECT_EQ(p.bytes, Read("dados.lst"));
}

TEST(FrasesTxt, HoldsNoRepeatedPhrase) {
  std::istringstream in(Read("frases.txt"));
  std::set<std::string> vistas;
  std::string linha;
  while (std::getline(in, linha)) {
    if (linha.empty()) continue;
    const std::string frase = linha.substr(0, linha.find('\t'));
    EXPECT_TRUE(vistas.insert(frase).second) << "repeated: " << frase;
  }
}

}  // namespace
}  // namespace quillora
