#include "board/criar_regiao.h"

#include <cmath>

namespace quillora {
namespace {

// Keeps the first rectangle as the result; merges each later one into it
// and frees it at once, so at most one temporary region exists.
void Acrescentar(Regioes& regioes, Hrgn& resultado, Hrgn retangulo) {
  if (!resultado) {
    resultado = retangulo;
    return;
  }
  regioes.CombineRgn(resultado, resultado, retangulo, ModoCombinacao::kRgnOr);
  regioes.DeleteObject(retangulo);
}

}  // namespace

Hrgn CriarRegiao(Regioes& regioes, const CaixaImagem& caixa) {
  const Hdc dc = caixa.hDC;
  const int largura = static_cast<int>(std::lround(caixa.ScaleWidth));
  const int altura = static_cast<int>(std::lround(caixa.ScaleHeight));
  const Cor chave = regioes.GetPixel(dc, 0, 0);
  Hrgn resultado;
  for (int y = 0; y < altura; ++y) {
    int inicio = -1;
    for (int x = 0; x < largura; ++x) {
      const bool opaco = regioes.GetPixel(dc, x, y) != chave;
      if (opaco && inicio < 0) inicio = x;
      if (!opaco && inicio >= 0) {
        Acrescentar(regioes, resultado, regioes.CreateRectRgn(inicio, y, x, y + 1));
        inicio = -1;
      }
    }
    if (inicio >= 0) {
      Acrescentar(regioes, resultado, regioes.CreateRectRgn(inicio, y, largura, y + 1));
    }
  }
  return resultado;
}

}  // namespace quillora
