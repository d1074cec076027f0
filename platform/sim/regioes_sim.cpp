// The simulator's persistent images and regions.
#include <algorithm>

#include "platform/sim/plataforma_sim.h"

namespace quillora {

Hdc SimPlataforma::CriarImagemPersistente(const Imagem& imagem) {
  const Hdc dc{proximo_++};
  imagens_[dc] = imagem;
  return dc;
}

Cor SimPlataforma::GetPixel(Hdc dc, int x, int y) {
  ++leiturasPixel;
  const auto it = imagens_.find(dc);
  if (it == imagens_.end() || x < 0 || y < 0 || x >= it->second.largura ||
      y >= it->second.altura) {
    return 0xFFFFFFFF;  // CLR_INVALID
  }
  return it->second.Em(x, y);
}

Hrgn SimPlataforma::CreateRectRgn(int esquerda, int topo, int direita, int base) {
  const Hrgn r{proximo_++};
  regioesVivas[r] = {{esquerda, topo, direita, base}};
  chamadas.push_back(chamada::CreateRectRgn{esquerda, topo, direita, base});
  return r;
}

int SimPlataforma::CombineRgn(Hrgn destino, Hrgn a, Hrgn b, ModoCombinacao modo) {
  chamadas.push_back(chamada::CombineRgn{destino, a, b, modo});
  std::vector<RetanguloSim> uniao = regioesVivas.at(a);
  const auto& outra = regioesVivas.at(b);
  uniao.insert(uniao.end(), outra.begin(), outra.end());
  regioesVivas.at(destino) = uniao;
  return 3;  // COMPLEXREGION
}

bool SimPlataforma::DeleteObject(Hrgn regiao) {
  chamadas.push_back(chamada::DeleteObject{regiao});
  return regioesVivas.erase(regiao) == 1;
}

int SimPlataforma::SetWindowRgn(Hwnd janela, Hrgn regiao, bool redesenhar) {
  chamadas.push_back(chamada::SetWindowRgn{janela, regiao, redesenhar});
  JanelaSim& j = janelas.at(janela);
  j.temRegiao = static_cast<bool>(regiao);
  j.regiao.clear();
  if (regiao) {
    j.regiao = regioesVivas.at(regiao);
    regioesVivas.erase(regiao);  // the window owns it now
  }
  return 1;
}

bool SimPlataforma::RegiaoContem(Hwnd janela, int x, int y) const {
  const JanelaSim& j = janelas.at(janela);
  if (!j.temRegiao) return x >= 0 && y >= 0 && x < j.w && y < j.h;
  return std::any_of(j.regiao.begin(), j.regiao.end(), [x, y](const RetanguloSim& r) {
    return x >= r.esquerda && x < r.direita && y >= r.topo && y < r.base;
  });
}

}  // namespace quillora
