#pragma once
#include "board/caixa_imagem.h"
#include "platform/regioes.h"

namespace quillora {

// A region of every pixel of the picture box's persistent image whose colour
// differs from that of pixel (0, 0): one rectangle per run of such pixels in
// a row, merged as it is found. A null handle when there is none. The box
// must be in pixel scale.
Hrgn CriarRegiao(Regioes& regioes, const CaixaImagem& caixa);

}  // namespace quillora
