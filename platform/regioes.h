#pragma once
// The persistent image of a picture box, read pixel by pixel, and the region
// calls that build a window's shape from it.
#include "platform/handles.h"
#include "platform/imagem.h"

namespace quillora {

enum class ModoCombinacao { kRgnOr };

class Regioes {
 public:
  virtual ~Regioes() = default;
  // A device context holding the picture, until it is let go.
  virtual Hdc CriarImagemPersistente(const Imagem& imagem) = 0;
  virtual void LiberarImagemPersistente(Hdc dc) = 0;
  virtual Cor GetPixel(Hdc dc, int x, int y) = 0;
  virtual Hrgn CreateRectRgn(int esquerda, int topo, int direita, int base) = 0;
  virtual int CombineRgn(Hrgn destino, Hrgn a, Hrgn b, ModoCombinacao modo) = 0;
  virtual bool DeleteObject(Hrgn regiao) = 0;
  // On success the window owns the region.
  virtual int SetWindowRgn(Hwnd janela, Hrgn regiao, bool redesenhar) = 0;
};

}  // namespace quillora
