#include "phrases/mostrar_frase.h"

#include "board/posicionar_frase.h"
#include "board/sempre_visivel.h"

namespace quillora {

Sorteio MostrarFrase(CicloFrase& c) {
  const Sorteio sorteio =
      SortearRegistro(c.rt, c.estado, [&c] { return CaminhoDados(c.rt); });
  if (sorteio != Sorteio::Ok) return sorteio;

  const FraseDecifrada frase = DecifrarRegistro(c.estado);
  c.mural.SetCaption(c.mural.lblFrase, frase.frase);
  c.mural.SetCaption(c.mural.lblAutor, frase.autor);
  PosicionarFrase(c.mural);

  // A board that stands exactly at the top-left corner has never been
  // placed (or was dragged there): it goes to the top-right corner.
  if (c.mural.Top() == 0 && c.mural.Left() == 0) {
    const float larguraTela = c.mural.escala().TwipsX(c.tela.LarguraPixels());
    c.mural.SetLeft(larguraTela - c.mural.Width());
  }
  FecharArquivos(c.estado);
  c.mural.SetVisible(true);
  SempreVisivel(c.janelas, c.mural.hWnd(), kVerdadeiro);
  if (c.manterVisivel == kFalso) SempreVisivel(c.janelas, c.mural.hWnd(), kFalso);
  return Sorteio::Ok;
}

}  // namespace quillora
