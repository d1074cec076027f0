#include "board/caixa_imagem.h"

namespace quillora {

void CaixaImagem::Ajustar(const Escala& escala) {
  const int borda = BorderStyle == 0 ? 0 : 2;
  if (AutoSize && larguraImagem > 0) {
    Width = escala.TwipsX(larguraImagem + 2 * borda);
    Height = escala.TwipsY(alturaImagem + 2 * borda);
  }
  const float tppX = escala.TwipsPorPixelX();
  const float tppY = escala.TwipsPorPixelY();
  const float internoX = Width / tppX - 2 * borda;
  const float internoY = Height / tppY - 2 * borda;
  const bool pixels = ScaleMode == 3;
  ScaleWidth = pixels ? internoX : internoX * tppX;
  ScaleHeight = pixels ? internoY : internoY * tppY;
}

}  // namespace quillora
