#pragma once
// The screen: its size, its dots per inch and the system's colours.
#include "platform/cor.h"

namespace quillora {

enum class CorDoSistema { FaceBotao, TextoBotao };

class Tela {
 public:
  virtual ~Tela() = default;
  virtual int LarguraPixels() = 0;
  virtual int AlturaPixels() = 0;
  // 96 at the design's scale.
  virtual int PontosPorPolegadaX() = 0;
  virtual int PontosPorPolegadaY() = 0;
  virtual Cor CorSistema(CorDoSistema cor) = 0;
};

}  // namespace quillora
