#pragma once
// A simulated window system for tests: no display. Every call is recorded
// with its arguments; windows keep their place, size, visibility, band and
// region; live regions are counted; text is measured by a simple model
// (fixed character width, word wrap) that tests can set.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/janelas.h"

namespace quillora {

struct RetanguloSim {
  int esquerda, topo, direita, base;
  bool operator==(const RetanguloSim&) const = default;
};

struct JanelaSim {
  ManipuladorJanela* dono = nullptr;
  std::string titulo;
  bool oculta = false;     // the host: never shown
  bool dialogo = false;
  bool habilitada = true;  // takes input
  Cor fundo = 0;
  int x = 0, y = 0, w = 0, h = 0;
  bool visivel = false;
  bool topmost = false;
  bool temRegiao = false;
  std::vector<RetanguloSim> regiao;  // the union of these rectangles
};

class SimJanelas : public SistemaJanelas {
 public:
  // --- what a test sets up ---
  int tppX = 15, tppY = 15;
  int larguraTela = 1024;
  Cor faceBotao = Rgb(240, 240, 240);
  int larguraCaractere = 7;  // pixels per character
  int alturaLinhaPx = 16;

  // --- what a test reads back ---
  std::vector<std::string> chamadas;
  std::map<Hwnd, JanelaSim> janelas;
  std::map<Hrgn, std::vector<RetanguloSim>> regioesVivas;  // not owned by a window
  int leiturasPixel = 0;
  // Windows in front-to-back order (topmost band first).
  std::vector<Hwnd> ordemZ;
  int alturaTela = 768;
  unsigned taskbarCreated = 0xC0DE;

  struct Abertura {
    Hwnd dono;
    std::string arquivo, pasta;
    int mostrar;
  };
  std::vector<Abertura> aberturas;  // ShellExecute calls
  std::vector<std::pair<int, DadosIconeBandeja>> notificacoes;  // Shell_NotifyIcon calls
  std::map<std::pair<Hwnd, std::uint32_t>, DadosIconeBandeja> icones;  // in the tray now
  std::vector<std::vector<ItemMenu>> menus;  // each menu shown
  std::vector<int> escolhasMenu;             // what the user picks, in order (-1 dismisses)
  struct Dica {
    Hwnd janela;
    int id, x, y, w, h;
    std::string texto;
  };
  std::vector<Dica> dicas;
  struct Botao {
    Hwnd pai;
    int id;
    std::string legenda;
    int x, y, w, h;
    Fonte fonte;
  };
  std::vector<Botao> botoes;
  // What the user does while a modal window is open; it receives the window.
  std::vector<std::function<void(Hwnd)>> duranteModal;
  // Where the user drops the window that a caption drag moves, if anywhere.
  std::vector<std::pair<int, int>> destinosArrasto;
  // The left mouse button as it is now, whatever a move message says.
  bool botaoEsquerdoFisico = true;

  bool RegiaoContem(Hwnd janela, int x, int y) const;

  int TwipsPorPixelX() override { return tppX; }
  int TwipsPorPixelY() override { return tppY; }
  int LarguraTelaPixels() override { return larguraTela; }
  Cor CorSistema(int indice) override;
  Hwnd CriarJanelaQuadro(ManipuladorJanela& dono, int x, int y, int w, int h) override;
  void MoverJanela(Hwnd janela, int x, int y, int w, int h) override;
  Retangulo RetanguloJanela(Hwnd janela) override;
  void MostrarJanela(Hwnd janela, bool visivel) override;
  void Redesenhar(Hwnd janela) override;
  int SetWindowPos(Hwnd janela, std::intptr_t depoisDe, int x, int y, int cx, int cy,
                   unsigned flags) override;
  Hdc CriarImagemPersistente(const Imagem& imagem) override;
  Cor GetPixel(Hdc dc, int x, int y) override;
  Hrgn CreateRectRgn(int esquerda, int topo, int direita, int base) override;
  int CombineRgn(Hrgn destino, Hrgn a, Hrgn b, int modo) override;
  bool DeleteObject(Hrgn regiao) override;
  int SetWindowRgn(Hwnd janela, Hrgn regiao, bool redesenhar) override;
  int AlturaTexto(const std::string& texto, const Fonte& fonte, int largura) override;
  int AlturaLinha(const Fonte& fonte) override;

  int AlturaTelaPixels() override { return alturaTela; }
  Hwnd CriarJanelaOculta(ManipuladorJanela& dono, const std::string& titulo) override;
  std::uintptr_t IconeAplicacao() override { return 0x1C0; }
  unsigned RegistrarMensagem(const std::string& nome) override;
  int ShellNotifyIcon(int mensagem, const DadosIconeBandeja& dados) override;
  int MostrarMenu(Hwnd dono, const std::vector<ItemMenu>& itens) override;
  void AbrirNoShell(Hwnd dono, const std::string& arquivo, const std::string& pasta,
                    int mostrar) override;
  void ReleaseCapture() override;
  bool BotaoEsquerdoPressionado() override { return botaoEsquerdoFisico; }
  long EnviarMensagem(Hwnd janela, unsigned mensagem, std::uintptr_t w, std::intptr_t l) override;
  void DefinirDica(Hwnd janela, int id, int x, int y, int w, int h,
                   const std::string& texto) override;
  Hwnd CriarJanelaDialogo(ManipuladorJanela& dono, const std::string& titulo,
                          int larguraCliente, int alturaCliente, Cor fundo) override;
  Hwnd CriarBotao(Hwnd pai, int id, const std::string& legenda, int x, int y, int w, int h,
                  const Fonte& fonte) override;
  void CentralizarNaTela(Hwnd janela) override;
  void ExecutarModal(Hwnd janela) override;
  void FecharModal(Hwnd janela) override;
  void DestruirJanela(Hwnd janela) override;
  void TrazerParaFrente(Hwnd janela) override;

  int LinhasDoTexto(const std::string& texto, int largura) const;

 private:
  void TrazerParaFrente(Hwnd janela, bool topmost);

  std::uintptr_t proximo_ = 0x100;
  std::vector<Hwnd> desabilitadasPeloModal_;
  std::map<Hdc, Imagem> imagens_;
};

}  // namespace quillora
