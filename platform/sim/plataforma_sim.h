#pragma once
// A simulated window system for tests, with no display: the screen, windows,
// regions, text and the shell. Every call is recorded with its arguments;
// windows keep their place, size, visibility, band, state and region; live
// regions are counted; text is measured by a simple model (fixed character
// width, word wrap) that tests can set. Input comes in at a front door, as
// the user's hand and the shell would give it, and goes through each form's
// one door, as it does on Windows.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/formulario.h"
#include "platform/janelas.h"
#include "platform/regioes.h"
#include "platform/shell.h"
#include "platform/sim/chamadas_sim.h"
#include "platform/tela.h"
#include "platform/texto.h"

namespace quillora {

struct RetanguloSim {
  int esquerda, topo, direita, base;
  bool operator==(const RetanguloSim&) const = default;
};

struct JanelaSim {
  Formulario* dono = nullptr;
  TipoJanela tipo = TipoJanela::Quadro;
  std::string titulo;
  bool habilitada = true;  // takes input
  int x = 0, y = 0, w = 0, h = 0;
  bool visivel = false;
  bool topmost = false;
  bool temRegiao = false;
  std::vector<RetanguloSim> regiao;  // the union of these rectangles
  int dpi = 0;  // its screen's scale; 0: the system's
};

class SimPlataforma : public Tela, public Janelas, public Regioes, public Texto, public Shell {
 public:
  // --- what a test sets up ---
  int larguraTela = 1024, alturaTela = 768;
  int dpiX = 96, dpiY = 96;
  int dpiNovasJanelas = 0;  // the scale new windows stand at; 0: dpiY
  Cor faceBotao = Rgb(240, 240, 240);
  int larguraCaractere = 7;  // pixels per character at 96 dots per inch
  int alturaLinhaPx = 16;    // and of a line
  unsigned taskbarCreated = 0xC0DE;
  std::deque<std::optional<int>> escolhasMenu;  // what the user picks, in order (nothing dismisses)
  // What the user does while a modal window is open; it receives the window.
  std::vector<std::function<void(Hwnd)>> duranteModal;
  // Where the user drops a window that a caption drag moves.
  std::deque<std::pair<int, int>> destinosArrasto;
  // The left mouse button as it is now, whatever a move says.
  bool botaoEsquerdoFisico = false;

  // --- what a test reads back ---
  std::vector<Chamada> chamadas;
  std::map<Hwnd, JanelaSim> janelas;
  std::vector<Hwnd> ordemZ;  // front to back, the always-on-top band first
  std::map<Hrgn, std::vector<RetanguloSim>> regioesVivas;  // not owned by a window
  int leiturasPixel = 0;
  std::map<std::pair<Hwnd, std::uint32_t>, RegistroIcone> icones;  // in the tray now
  Hwnd foco;
  struct Botao {
    Hwnd janela, pai;
    int id;
    std::string legenda;
    Retangulo r;
    Fonte fonte;
    int pontosPorPolegada;
  };
  std::vector<Botao> botoes;
  struct Dica {
    Hwnd janela;
    int id;
    Retangulo r;
    std::string texto;
  };
  std::vector<Dica> dicas;

  bool RegiaoContem(Hwnd janela, int x, int y) const;
  int LinhasDoTexto(const std::string& texto, int pontosPorPolegada, int largura) const;
  JanelaSim& Janela(Hwnd h) { return janelas.at(h); }

  // --- what the user and the shell do ---
  void Pressionar(Hwnd janela, int botao, int x, int y);
  void Soltar(Hwnd janela, int botao, int x, int y);
  // The left button down and up at one point.
  void Clicar(Hwnd janela, int x, int y);
  // Down, up, and again, as the window system delivers a double click: a
  // window of the board's or the dialog's kind sees the second press as one.
  void DuploClicar(Hwnd janela, int x, int y);
  // A move with `botoes` held, as the message says (it can be stale).
  void Mover(Hwnd janela, int botoes, int x, int y);
  Ponteiro PonteiroEm(Hwnd janela, int x, int y);
  void PedirFechamento(Hwnd janela);
  void Ativar(Hwnd janela);
  // A click on a push button: its window's command.
  void ClicarBotao(Hwnd botao);
  // A command the dialog manager sends for a key (Esc is IDCANCEL, 2).
  void Comando(Hwnd janela, int id);
  // The session ends: every window is asked, then told.
  void EncerrarSessao();
  // The shell's notice of a mouse message over each tray icon: the icon's
  // callback message to its window, the mouse message in its lParam.
  void NotificarBandeja(unsigned mensagemDoMouse);
  // The shell restarts: it forgets the icons and says "TaskbarCreated".
  void RecriarBarraDeTarefas();
  // The window goes to a screen of another scale (or its screen changes
  // scale); the system suggests where it should stand.
  void MudarEscala(Hwnd janela, int pontosPorPolegada, Retangulo sugerido);

  // Tela
  int LarguraPixels() override { return larguraTela; }
  int AlturaPixels() override { return alturaTela; }
  int PontosPorPolegadaX() override { return dpiX; }
  int PontosPorPolegadaY() override { return dpiY; }
  Cor CorSistema(CorDoSistema cor) override;

  // Janelas
  Hwnd CriarJanela(Formulario& dono, TipoJanela tipo, const std::string& titulo,
                   Retangulo r) override;
  void DestruirJanela(Hwnd janela) override;
  void MoverJanela(Hwnd janela, Retangulo r) override;
  Retangulo RetanguloJanela(Hwnd janela) override;
  int PontosPorPolegada(Hwnd janela) override;
  void MostrarJanela(Hwnd janela, bool visivel) override;
  void Redesenhar(Hwnd) override {}
  int SetWindowPos(Hwnd janela, InserirApos depoisDe, int x, int y, int cx, int cy,
                   unsigned flags) override;
  void TrazerParaFrente(Hwnd janela) override;
  std::vector<Hwnd> DesabilitarOutras(Hwnd janela) override;
  void Habilitar(Hwnd janela) override;
  void LacoModal(Hwnd janela) override;
  void DarFoco(Hwnd controle) override;
  Hwnd CriarBotao(Hwnd pai, int id, const std::string& legenda, Retangulo r, const Fonte& fonte,
                  int pontosPorPolegada) override;
  void AjustarBotao(Hwnd botao, Retangulo r, const Fonte& fonte, int pontosPorPolegada) override;
  void DefinirDica(Hwnd janela, int id, Retangulo r, const std::string& texto) override;
  void ReleaseCapture() override;
  long EnviarMensagem(Hwnd janela, MensagemJanela mensagem, AreaJanela area, long l) override;
  bool BotaoEsquerdoPressionado() override { return botaoEsquerdoFisico; }
  unsigned RegistrarMensagem(const std::string& nome) override;

  // Regioes
  Hdc CriarImagemPersistente(const Imagem& imagem) override;
  void LiberarImagemPersistente(Hdc dc) override { imagens_.erase(dc); }
  int ImagensVivas() const { return static_cast<int>(imagens_.size()); }
  const Imagem& ImagemDe(Hdc dc) const { return imagens_.at(dc); }
  Cor GetPixel(Hdc dc, int x, int y) override;
  Hrgn CreateRectRgn(int esquerda, int topo, int direita, int base) override;
  int CombineRgn(Hrgn destino, Hrgn a, Hrgn b, ModoCombinacao modo) override;
  bool DeleteObject(Hrgn regiao) override;
  int SetWindowRgn(Hwnd janela, Hrgn regiao, bool redesenhar) override;

  // Texto: the characters and lines grow with the dots per inch.
  int AlturaTexto(const std::string& texto, const Fonte& fonte, int pontosPorPolegada,
                  int largura) override;
  int AlturaLinha(const Fonte& fonte, int pontosPorPolegada) override;

  // Shell
  int ShellNotifyIcon(MensagemIcone mensagem, const RegistroIcone& registro) override;
  // A handle of its own for each size.
  Hicon IconeAplicacao(int pontosPorPolegada) override {
    return Hicon{0x10000 + static_cast<std::uintptr_t>(pontosPorPolegada)};
  }
  std::optional<int> MostrarMenu(Hwnd dono, const std::vector<ItemMenu>& itens) override;
  void AbrirNoShell(Hwnd dono, const std::string& arquivo, const std::string& pasta,
                    int mostrar) override;

 private:
  // To the window's form, as input: nothing reaches a disabled window.
  Resposta Entregar(Hwnd janela, Evento evento);
  // To the window's form, sent: disabled or not.
  Resposta Enviar(Hwnd janela, Evento evento);
  void PorNaFrente(Hwnd janela, bool topmost);

  std::uintptr_t proximo_ = 0x100;
  std::map<Hdc, Imagem> imagens_;
};

}  // namespace quillora
