// The simulator's windows: places, bands, modal runs and the caption drag.
#include <algorithm>

#include "platform/sim/plataforma_sim.h"

namespace quillora {

Cor SimPlataforma::CorSistema(CorDoSistema cor) {
  return cor == CorDoSistema::FaceBotao ? faceBotao : Rgb(0, 0, 0);
}

Hwnd SimPlataforma::CriarJanela(Formulario& dono, TipoJanela tipo, const std::string& titulo,
                                Retangulo r) {
  const Hwnd janela{proximo_++};
  JanelaSim& j = janelas[janela];
  j.dono = &dono;
  j.tipo = tipo;
  j.titulo = titulo;
  j.x = r.x, j.y = r.y, j.w = r.w, j.h = r.h;
  j.dpi = dpiNovasJanelas;
  if (tipo != TipoJanela::Oculta) ordemZ.push_back(janela);
  chamadas.push_back(chamada::CreateWindow{janela, tipo, r});
  return janela;
}

void SimPlataforma::DestruirJanela(Hwnd janela) {
  chamadas.push_back(chamada::DestroyWindow{janela});
  janelas.erase(janela);
  ordemZ.erase(std::remove(ordemZ.begin(), ordemZ.end(), janela), ordemZ.end());
  if (foco == janela) foco = {};
}

void SimPlataforma::MoverJanela(Hwnd janela, Retangulo r) {
  JanelaSim& j = janelas.at(janela);
  j.x = r.x, j.y = r.y, j.w = r.w, j.h = r.h;
  chamadas.push_back(chamada::MoveWindow{janela, r});
}

Retangulo SimPlataforma::RetanguloJanela(Hwnd janela) {
  const JanelaSim& j = janelas.at(janela);
  return {j.x, j.y, j.w, j.h};
}

int SimPlataforma::PontosPorPolegada(Hwnd janela) {
  const int dpi = janelas.at(janela).dpi;
  return dpi > 0 ? dpi : dpiY;
}

void SimPlataforma::MostrarJanela(Hwnd janela, bool visivel) {
  janelas.at(janela).visivel = visivel;
  chamadas.push_back(chamada::ShowWindow{janela, visivel});
}

// In front of its band: the top of the list, or just after the topmost ones.
void SimPlataforma::PorNaFrente(Hwnd janela, bool topmost) {
  janelas.at(janela).topmost = topmost;
  ordemZ.erase(std::remove(ordemZ.begin(), ordemZ.end(), janela), ordemZ.end());
  auto pos = ordemZ.begin();
  if (!topmost) {
    while (pos != ordemZ.end() && janelas.at(*pos).topmost) ++pos;
  }
  ordemZ.insert(pos, janela);
}

int SimPlataforma::SetWindowPos(Hwnd janela, InserirApos depoisDe, int x, int y, int cx,
                                int cy, unsigned flags) {
  chamadas.push_back(chamada::SetWindowPos{janela, depoisDe, x, y, cx, cy, flags});
  JanelaSim& j = janelas.at(janela);
  if (!(flags & kSwpNoMove)) j.x = x, j.y = y;
  if (!(flags & kSwpNoSize)) j.w = cx, j.h = cy;
  PorNaFrente(janela, depoisDe == InserirApos::kHwndTopmost);
  return 1;
}

void SimPlataforma::TrazerParaFrente(Hwnd janela) {
  chamadas.push_back(chamada::SetForegroundWindow{janela});
}

std::vector<Hwnd> SimPlataforma::DesabilitarOutras(Hwnd janela) {
  std::vector<Hwnd> desabilitadas;
  for (auto& [h, j] : janelas) {
    if (h == janela || !j.habilitada) continue;
    j.habilitada = false;
    desabilitadas.push_back(h);
    chamadas.push_back(chamada::EnableWindow{h, false});
  }
  return desabilitadas;
}

void SimPlataforma::Habilitar(Hwnd janela) {
  if (janelas.count(janela) == 0) return;
  janelas.at(janela).habilitada = true;
  chamadas.push_back(chamada::EnableWindow{janela, true});
}

// The user's script runs while the window is open; a script that leaves it
// open ends with the window destroyed.
void SimPlataforma::LacoModal(Hwnd janela) {
  chamadas.push_back(chamada::ModalBegin{janela});
  while (janelas.count(janela) != 0 && !duranteModal.empty()) {
    auto acao = duranteModal.front();
    duranteModal.erase(duranteModal.begin());
    acao(janela);
  }
  if (janelas.count(janela) != 0) DestruirJanela(janela);
  chamadas.push_back(chamada::ModalEnd{janela});
}

void SimPlataforma::DarFoco(Hwnd controle) {
  foco = controle;
  chamadas.push_back(chamada::SetFocus{controle});
}

Hwnd SimPlataforma::CriarBotao(Hwnd pai, int id, const std::string& legenda, Retangulo r,
                               const Fonte& fonte, int pontosPorPolegada) {
  const Hwnd botao{proximo_++};
  botoes.push_back({botao, pai, id, legenda, r, fonte, pontosPorPolegada});
  return botao;
}

void SimPlataforma::AjustarBotao(Hwnd botao, Retangulo r, const Fonte& fonte,
                                 int pontosPorPolegada) {
  for (Botao& b : botoes) {
    if (b.janela != botao) continue;
    b.r = r;
    b.fonte = fonte;
    b.pontosPorPolegada = pontosPorPolegada;
  }
}

void SimPlataforma::DefinirDica(Hwnd janela, int id, Retangulo r, const std::string& texto) {
  for (Dica& d : dicas) {
    if (d.janela == janela && d.id == id) {
      d.r = r;
      d.texto = texto;
      return;
    }
  }
  dicas.push_back({janela, id, r, texto});
}

void SimPlataforma::ReleaseCapture() { chamadas.push_back(chamada::ReleaseCapture{}); }

// A press on the caption: the system moves the window with the mouse until
// the button comes up, where the test says the user lets go.
long SimPlataforma::EnviarMensagem(Hwnd janela, MensagemJanela mensagem, AreaJanela area,
                                   long l) {
  chamadas.push_back(chamada::SendMessage{janela, mensagem, area, l});
  if (mensagem != MensagemJanela::kWmNcLButtonDown || area != AreaJanela::kHtCaption) return 0;
  if (!destinosArrasto.empty()) {
    JanelaSim& j = janelas.at(janela);
    j.x = destinosArrasto.front().first;
    j.y = destinosArrasto.front().second;
    destinosArrasto.pop_front();
  }
  botaoEsquerdoFisico = false;
  return 0;
}

unsigned SimPlataforma::RegistrarMensagem(const std::string& nome) {
  chamadas.push_back(chamada::RegisterWindowMessage{nome});
  return nome == "TaskbarCreated" ? taskbarCreated : 0xC100;
}

}  // namespace quillora
