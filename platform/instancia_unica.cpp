#include "platform/instancia_unica.h"

namespace quillora {

// A mutex that exists but cannot be opened still belongs to another copy.
bool OutraCopiaRodando(ResultadoMutex resultado) {
  return resultado == ResultadoMutex::JaExistia || resultado == ResultadoMutex::AcessoNegado;
}

}  // namespace quillora
