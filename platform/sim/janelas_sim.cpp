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

SistemaJanelas::Retangulo SimJanelas::RetanguloJanela(Hwnd janela) {
  const JanelaSim& j = janelas.at(janela);
  return {j.x, j.y, j.w, j.h};
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

Hwnd SimJanelas::CriarJanelaOculta(ManipuladorJanela& dono, const std::string& titulo) {
  const Hwnd janela = proximo_++;
  JanelaSim& j = janelas[janela];
  j.dono = &dono;
  j.titulo = titulo;
  j.oculta = true;
  chamadas.push_back("CreateHiddenWindow " + titulo);
  return janela;
}

unsigned SimJanelas::RegistrarMensagem(const std::string& nome) {
  chamadas.push_back("RegisterWindowMessage " + nome);
  return nome == "TaskbarCreated" ? taskbarCreated : 0xC100;
}

int SimJanelas::ShellNotifyIcon(int mensagem, const DadosIconeBandeja& dados) {
  chamadas.push_back(Chamada("Shell_NotifyIcon", {mensagem}));
  notificacoes.push_back({mensagem, dados});
  const auto chave = std::make_pair(dados.hWnd, dados.uID);
  if (mensagem == kNimAdd) {
    if (icones.count(chave) != 0) return 0;  // the shell refuses a second add
    icones[chave] = dados;
    return 1;
  }
  if (mensagem == kNimDelete) return icones.erase(chave) == 1 ? 1 : 0;
  return 0;
}

int SimJanelas::MostrarMenu(Hwnd, const std::vector<ItemMenu>& itens) {
  chamadas.push_back("TrackPopupMenu");
  menus.push_back(itens);
  if (escolhasMenu.empty()) return -1;
  const int escolha = escolhasMenu.front();
  escolhasMenu.erase(escolhasMenu.begin());
  return escolha;
}

void SimJanelas::AbrirNoShell(Hwnd dono, const std::string& arquivo, const std::string& pasta,
                              int mostrar) {
  chamadas.push_back("ShellExecute");
  aberturas.push_back({dono, arquivo, pasta, mostrar});
}

void SimJanelas::ReleaseCapture() { chamadas.push_back("ReleaseCapture"); }

// A press on the caption: the system moves the window with the mouse until
// the button goes up, where the test says the user lets go.
long SimJanelas::EnviarMensagem(Hwnd janela, unsigned mensagem, std::uintptr_t w,
                                std::intptr_t l) {
  chamadas.push_back(Chamada("SendMessage", {mensagem, static_cast<long long>(w), l}));
  if (mensagem == kWmNcLButtonDown && w == static_cast<std::uintptr_t>(kHtCaption) &&
      !destinosArrasto.empty()) {
    JanelaSim& j = janelas.at(janela);
    j.x = destinosArrasto.front().first;
    j.y = destinosArrasto.front().second;
    destinosArrasto.erase(destinosArrasto.begin());
  }
  return 0;
}

void SimJanelas::DefinirDica(Hwnd janela, int id, int x, int y, int w, int h,
                             const std::string& texto) {
  dicas.push_back({janela, id, x, y, w, h, texto});
}

Hwnd SimJanelas::CriarJanelaDialogo(ManipuladorJanela& dono, const std::string& titulo,
                                    int larguraCliente, int alturaCliente, Cor fundo) {
  const Hwnd janela = proximo_++;
  JanelaSim& j = janelas[janela];
  j.dono = &dono;
  j.titulo = titulo;
  j.dialogo = true;
  j.w = larguraCliente;
  j.h = alturaCliente;
  j.fundo = fundo;
  chamadas.push_back(Chamada("CreateDialog", {larguraCliente, alturaCliente}));
  return janela;
}

Hwnd SimJanelas::CriarBotao(Hwnd pai, int id, const std::string& legenda, int x, int y, int w,
                            int h, const Fonte& fonte) {
  botoes.push_back({pai, id, legenda, x, y, w, h, fonte});
  return proximo_++;
}

void SimJanelas::CentralizarNaTela(Hwnd janela) {
  JanelaSim& j = janelas.at(janela);
  j.x = (larguraTela - j.w) / 2;
  j.y = (alturaTela - j.h) / 2;
  chamadas.push_back(Chamada("Center", {j.x, j.y}));
}

void SimJanelas::ExecutarModal(Hwnd janela) {
  chamadas.push_back("ModalBegin");
  desabilitadasPeloModal_.clear();
  for (auto& [h, j] : janelas) {
    if (h != janela && j.habilitada) {
      j.habilitada = false;
      desabilitadasPeloModal_.push_back(h);
    }
  }
  janelas.at(janela).visivel = true;
  while (janelas.count(janela) != 0 && !duranteModal.empty()) {
    auto acao = duranteModal.front();
    duranteModal.erase(duranteModal.begin());
    acao(janela);
  }
  if (janelas.count(janela) != 0) FecharModal(janela);  // the script left it open
  chamadas.push_back("ModalEnd");
}

void SimJanelas::FecharModal(Hwnd janela) {
  for (Hwnd h : desabilitadasPeloModal_) {
    if (janelas.count(h) == 0) continue;
    janelas.at(h).habilitada = true;
    chamadas.push_back(Chamada("EnableWindow", {static_cast<long long>(h)}));
  }
  desabilitadasPeloModal_.clear();
  DestruirJanela(janela);
}

void SimJanelas::DestruirJanela(Hwnd janela) {
  chamadas.push_back("DestroyWindow");
  janelas.erase(janela);
  ordemZ.erase(std::remove(ordemZ.begin(), ordemZ.end(), janela), ordemZ.end());
}

void SimJanelas::TrazerParaFrente(Hwnd) { chamadas.push_back("SetForegroundWindow"); }

}  // namespace quillora
