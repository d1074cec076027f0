#include "platform/sim/janelas_sim.h"

#include <algorithm>
#include <sstream>

namespace quillora {
namespace {

std::string Chamada(const char* nome, std::initializer_list<long long> args) {
  std::ostringstream s;
  s << nome;
  for (long long a : args) s << ' ' << a;
  return s.str();
}

}  // namespace

Cor SimJanelas::CorSistema(int indice) {
  return indice == kCorFaceBotao ? faceBotao : Rgb(255, 255, 255);
}

Hwnd SimJanelas::CriarJanelaQuadro(ManipuladorJanela& dono, int x, int y, int w, int h) {
  const Hwnd janela = proximo_++;
  JanelaSim& j = janelas[janela];
  j.dono = &dono;
  j.x = x, j.y = y, j.w = w, j.h = h;
  ordemZ.push_back(janela);
  chamadas.push_back(Chamada("CreateWindow", {x, y, w, h}));
  return janela;
}

void SimJanelas::MoverJanela(Hwnd janela, int x, int y, int w, int h) {
  JanelaSim& j = janelas.at(janela);
  j.x = x, j.y = y, j.w = w, j.h = h;
  chamadas.push_back(Chamada("MoveWindow", {x, y, w, h}));
}

void SimJanelas::MostrarJanela(Hwnd janela, bool visivel) {
  janelas.at(janela).visivel = visivel;
  chamadas.push_back(Chamada("ShowWindow", {visivel ? 1 : 0}));
}

void SimJanelas::Redesenhar(Hwnd) {}

void SimJanelas::TrazerParaFrente(Hwnd janela, bool topmost) {
  janelas.at(janela).topmost = topmost;
  ordemZ.erase(std::remove(ordemZ.begin(), ordemZ.end(), janela), ordemZ.end());
  // In front of its band: the top of the list, or just after the topmost ones.
  auto pos = ordemZ.begin();
  if (!topmost) {
    while (pos != ordemZ.end() && janelas.at(*pos).topmost) ++pos;
  }
  ordemZ.insert(pos, janela);
}

int SimJanelas::SetWindowPos(Hwnd janela, std::intptr_t depoisDe, int x, int y, int cx,
                             int cy, unsigned flags) {
  chamadas.push_back(Chamada("SetWindowPos", {static_cast<long long>(depoisDe), x, y, cx, cy,
                                              static_cast<long long>(flags)}));
  JanelaSim& j = janelas.at(janela);
  if (!(flags & kSwpNoMove)) j.x = x, j.y = y;
  if (!(flags & kSwpNoSize)) j.w = cx, j.h = cy;
  if (depoisDe == kHwndTopmost) TrazerParaFrente(janela, true);
  if (depoisDe == kHwndNoTopmost) TrazerParaFrente(janela, false);
  return 1;
}

Hdc SimJanelas::CriarImagemPersistente(const Imagem& imagem) {
  const Hdc dc = proximo_++;
  imagens_[dc] = imagem;
  return dc;
}

Cor SimJanelas::GetPixel(Hdc dc, int x, int y) {
  ++leiturasPixel;
  const auto it = imagens_.find(dc);
  if (it == imagens_.end() || x < 0 || y < 0 || x >= it->second.largura ||
      y >= it->second.altura) {
    return 0xFFFFFFFF;  // CLR_INVALID
  }
  return it->second.Em(x, y);
}

Hrgn SimJanelas::CreateRectRgn(int esquerda, int topo, int direita, int base) {
  const Hrgn r = proximo_++;
  regioesVivas[r] = {{esquerda, topo, direita, base}};
  chamadas.push_back(Chamada("CreateRectRgn", {esquerda, topo, direita, base}));
  return r;
}

int SimJanelas::CombineRgn(Hrgn destino, Hrgn a, Hrgn b, int modo) {
  chamadas.push_back(Chamada("CombineRgn", {modo}));
  if (modo != kRgnOr) return 0;
  std::vector<RetanguloSim> uniao = regioesVivas.at(a);
  const auto& outra = regioesVivas.at(b);
  uniao.insert(uniao.end(), outra.begin(), outra.end());
  regioesVivas.at(destino) = uniao;
  return 3;  // COMPLEXREGION
}

bool SimJanelas::DeleteObject(Hrgn regiao) {
  chamadas.push_back("DeleteObject");
  return regioesVivas.erase(regiao) == 1;
}

int SimJanelas::SetWindowRgn(Hwnd janela, Hrgn regiao, bool redesenhar) {
  chamadas.push_back(Chamada("SetWindowRgn", {regiao == 0 ? 0 : 1, redesenhar ? 1 : 0}));
  JanelaSim& j = janelas.at(janela);
  j.temRegiao = regiao != 0;
  j.regiao.clear();
  if (regiao != 0) {
    j.regiao = regioesVivas.at(regiao);
    regioesVivas.erase(regiao);  // the window owns it now
  }
  return 1;
}

bool SimJanelas::RegiaoContem(Hwnd janela, int x, int y) const {
  const JanelaSim& j = janelas.at(janela);
  if (!j.temRegiao) return x >= 0 && y >= 0 && x < j.w && y < j.h;
  return std::any_of(j.regiao.begin(), j.regiao.end(), [x, y](const RetanguloSim& r) {
    return x >= r.esquerda && x < r.direita && y >= r.topo && y < r.base;
  });
}

int SimJanelas::LinhasDoTexto(const std::string& texto, int largura) const {
  const int porLinha = std::max(1, largura / larguraCaractere);
  std::istringstream palavras(texto);
  std::string palavra;
  int linhas = 1, usado = 0;
  while (palavras >> palavra) {
    const int n = static_cast<int>(palavra.size());
    if (usado > 0 && usado + 1 + n > porLinha) {
      ++linhas;
      usado = n;
    } else {
      usado += (usado > 0 ? 1 : 0) + n;
    }
  }
  return linhas;
}

int SimJanelas::AlturaTexto(const std::string& texto, const Fonte&, int largura) {
  return LinhasDoTexto(texto, largura) * alturaLinhaPx;
}

int SimJanelas::AlturaLinha(const Fonte&) { return alturaLinhaPx; }

}  // namespace quillora
