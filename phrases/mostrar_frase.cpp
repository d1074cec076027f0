#include "phrases/mostrar_frase.h"

#include "app/sempre_visivel.h"
#include "board/posicionar_frase.h"

namespace quillora {

void MostrarFrase(ContextoCiclo& c) {
  const Sorteio sorteio =
      SortearRegistro(c.rt, c.estado, [&c] { return CaminhoDados(c.rt); });
  if (sorteio != Sorteio::Ok) EncerrarPorFalha(c.rt, sorteio, c.antesDeEncerrar);

  const FraseDecifrada frase = DecifrarRegistro(c.estado);
  c.mural.SetCaption(c.mural.lblFrase, frase.frase);
  c.mural.SetCaption(c.mural.lblAutor, frase.autor);
  PosicionarFrase(c.mural);

  // A board that stands exactly at the top-left corner has never been
  // placed (or was dragged there): it goes to the top-right corner.
  if (c.mural.Top() == 0 && c.mural.Left() == 0) {
    const float larguraTela =
        static_cast<float>(c.ws.LarguraTelaPixels() * c.ws.TwipsPorPixelX());
    c.mural.SetLeft(larguraTela - c.mural.Width());
  }
  FecharArquivos(c.estado);
  c.mural.SetVisible(true);
  SempreVisivel(c.ws, c.mural.hWnd(), kVerdadeiro);
  if (c.manterVisivel == kFalso) SempreVisivel(c.ws, c.mural.hWnd(), kFalso);
}

}  // namespace quillora
