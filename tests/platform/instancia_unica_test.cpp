#include "platform/instancia_unica.h"

#include <gtest/gtest.h>

namespace quillora {
namespace {

TEST(InstanciaUnica, AMutexThatExistsCountsAsAnotherCopyEvenWhenItCannotBeOpened) {
  EXPECT_FALSE(OutraCopiaRodando(ResultadoMutex::Criado));
  EXPECT_TRUE(OutraCopiaRodando(ResultadoMutex::JaExistia));
  EXPECT_TRUE(OutraCopiaRodando(ResultadoMutex::AcessoNegado));
  EXPECT_FALSE(OutraCopiaRodando(ResultadoMutex::OutroErro));
}

}  // namespace
}  // namespace quillora
