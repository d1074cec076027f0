#include "board/posicionar_frase.h"

#include <cmath>

#include "board/rotulos_quadro.h"

namespace quillora {
namespace {

struct Altura {
  float altura;
  float topo;
};
constexpr Altura kAlturas[] = {{240, 1010}, {480, 890},  {720, 770},  {960, 650},
                               {1200, 530}, {1440, 410}, {1680, 290}};
constexpr float kCentro = 1130;
constexpr int kMaxLinhas = 7;

}  // namespace

void PosicionarFrase(FrmMural& mural) {
  Rotulo& frase = mural.lblFrase;
  frase.SetWidth(kLarguraFrase);
  frase.Left = 255;
  for (const Altura& a : kAlturas) {
    if (frase.Height == a.altura) {
      frase.Top = a.topo;
      return;
    }
  }
  // Lines of another height (other fonts or screens): the same centring,
  // for whole lines only, one to seven of them.
  const float linha = frase.AlturaLinhaTwips();
  if (linha <= 0 || linha == 240) return;
  const float linhas = std::round(frase.Height / linha);
  if (linhas >= 1 && linhas <= kMaxLinhas && linhas * linha == frase.Height) {
    frase.Top = kCentro - frase.Height / 2;
  }
}

}  // namespace quillora
