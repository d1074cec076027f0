#pragma once
// The screen over USER32 and GDI.
#include "platform/tela.h"

namespace quillora {

class Win32Tela : public Tela {
 public:
  int LarguraPixels() override;
  int AlturaPixels() override;
  int PontosPorPolegadaX() override;
  int PontosPorPolegadaY() override;
  Cor CorSistema(CorDoSistema cor) override;
};

}  // namespace quillora
