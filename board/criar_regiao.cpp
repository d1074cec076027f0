#include "board/criar_regiao.h"

#include <cmath>

namespace quillora {
namespace {

// Keeps the first rectangle as the result; merges each later one into it
// and frees it at once, so at most one temporary region exists.
void Acrescentar(SistemaJanelas& ws, Hrgn& resultado, Hrgn retangulo) {
  if (resultado == 0) {
    resultado = retangulo;
    return;
  }
  ws.CombineRgn(resultado, resultado, retangulo, kRgnOr);
  ws.DeleteObject(retangulo);
}

}  // namespace

Hrgn CriarRegiao(SistemaJanelas& ws, const CaixaImagem& caixa) {
  const Hdc dc = caixa.hDC;
  const int largura = static_cast<int>(std::lround(caixa.ScaleWidth));
  const int altura = static_cast<int>(std::lround(caixa.ScaleHeight));
  const Cor chave = ws.GetPixel(dc, 0, 0);
  Hrgn resultado = 0;
  for (int y = 0; y < altura; ++y) {
    int inicio = -1;
    for (int x = 0; x < largura; ++x) {
      const bool opaco = ws.GetPixel(dc, x, y) != chave;
      if (opaco && inicio < 0) inicio = x;
      if (!opaco && inicio >= 0) {
        Acrescentar(ws, resultado, ws.CreateRectRgn(inicio, y, x, y + 1));
        inicio = -1;
      }
    }
    if (inicio >= 0) Acrescentar(ws, resultado, ws.CreateRectRgn(inicio, y, largura, y + 1));
  }
  return resultado;
}

}  // namespace quillora
