// Any bytes as the board picture: decoding, composing over the back colour
// and building the region must never crash, and the region never has more
// rectangles than the picture has pixels.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "board/criar_regiao.h"
#include "platform/imagem.h"
#include "platform/sim/plataforma_sim.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string gif(reinterpret_cast<const char*>(data), size);
  const auto composta = quillora::ComporGif(gif, quillora::Rgb(240, 240, 240));
  if (!composta) return 0;
  const quillora::Imagem& imagem = *composta;
  if (static_cast<long>(imagem.largura) * imagem.altura > 1 << 20) return 0;
  quillora::SimPlataforma sim;
  quillora::CaixaImagem caixa;
  caixa.ScaleMode = 3;
  caixa.hDC = sim.CriarImagemPersistente(imagem);
  caixa.ScaleWidth = static_cast<float>(imagem.largura);
  caixa.ScaleHeight = static_cast<float>(imagem.altura);
  const quillora::Hrgn regiao = quillora::CriarRegiao(sim, caixa);
  if (!regiao) return 0;
  if (sim.regioesVivas.size() != 1) std::abort();  // every temporary freed
  if (sim.regioesVivas.at(regiao).size() > imagem.pixels.size()) std::abort();
  return 0;
}
