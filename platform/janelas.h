#pragma once
// The window system as the forms use it: screen metrics, windows, the
// persistent image of a picture box, regions, text measuring, mouse capture.
// Handles are opaque values; only platform/win32 knows the real types.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/imagem.h"

namespace quillora {

using Hwnd = std::uintptr_t;
using Hrgn = std::uintptr_t;
using Hdc = std::uintptr_t;

inline constexpr std::intptr_t kHwndTopmost = -1;
inline constexpr std::intptr_t kHwndNoTopmost = -2;
inline constexpr unsigned kSwpNoSize = 0x0001;
inline constexpr unsigned kSwpNoMove = 0x0002;
inline constexpr int kRgnOr = 2;
inline constexpr int kCorFaceBotao = 15;  // COLOR_BTNFACE

struct Fonte {
  std::string nome;
  double pontos = 0;
  bool negrito = false;
  bool italico = false;
  bool sublinhado = false;
};

enum class Alinhamento { Esquerda, Direita, Centro };

// One text that a window paints, in pixels of its client area.
struct TextoPintado {
  std::string texto;  // Windows-1252
  int x = 0, y = 0, largura = 0, altura = 0;
  Fonte fonte;
  Cor cor = 0;
  Alinhamento alinhamento = Alinhamento::Esquerda;
  bool quebra = false;
};

struct Cena {
  Hdc fundo = 0;  // a persistent image, or 0 for none
  bool temCorFundo = false;  // otherwise the system button face
  Cor corFundo = 0;
  std::vector<TextoPintado> textos;
};

// Mouse button bits, as the forms report them: 1 left, 2 right, 4 middle.
inline constexpr int kBotaoEsquerdo = 1;
inline constexpr int kBotaoDireito = 2;
inline constexpr int kBotaoMeio = 4;

// What a window of the program answers to; backends call it.
class ManipuladorJanela {
 public:
  virtual ~ManipuladorJanela() = default;
  virtual Cena Desenho() { return {}; }
  virtual void MouseDown(int /*botao*/, int /*shift*/, int /*x*/, int /*y*/) {}
  virtual void MouseMove(int /*botoes*/, int /*shift*/, int /*x*/, int /*y*/) {}
  virtual void MouseUp(int /*botao*/, int /*shift*/, int /*x*/, int /*y*/) {}
  // The second press of a double click, in place of its MouseDown.
  virtual void DuploClique(int /*botao*/, int /*shift*/, int /*x*/, int /*y*/) {}
  // True where the pointer is the hand.
  virtual bool CursorMao(int /*x*/, int /*y*/) { return false; }
  // A child button was pressed.
  virtual void Comando(int /*id*/) {}
  // The close box, the system close command, or a close request from
  // outside (WM_CLOSE).
  virtual void Fechar() {}
  // The Windows session is ending.
  virtual void FimDeSessao() {}
  // The control that takes the keyboard focus whenever the window is
  // activated; 0 for the window itself.
  virtual Hwnd ControleComFoco() { return 0; }
  // A message registered by name (such as "TaskbarCreated") arrived.
  virtual void MensagemRegistrada(unsigned /*mensagem*/) {}
};

struct ItemMenu {
  std::string legenda;  // Windows-1252, '&' marks the access key
  bool marcado = false;
};

// The fields of the tray icon record (NOTIFYICONDATA, first form).
struct DadosIconeBandeja {
  std::uint32_t cbSize = 0;
  Hwnd hWnd = 0;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  std::uintptr_t hIcon = 0;
  char szTip[64] = {};
};

inline constexpr int kNimAdd = 0;
inline constexpr int kNimDelete = 2;
inline constexpr unsigned kWmNcLButtonDown = 0xA1;
inline constexpr int kHtCaption = 2;

class SistemaJanelas {
 public:
  virtual ~SistemaJanelas() = default;

  virtual int TwipsPorPixelX() = 0;
  virtual int TwipsPorPixelY() = 0;
  virtual int LarguraTelaPixels() = 0;
  virtual Cor CorSistema(int indice) = 0;

  // A borderless popup that never shows in the taskbar, hidden at first.
  virtual Hwnd CriarJanelaQuadro(ManipuladorJanela& dono, int x, int y, int w, int h) = 0;
  virtual void MoverJanela(Hwnd janela, int x, int y, int w, int h) = 0;
  // Where the window really stands, in screen pixels (a drag moves it).
  struct Retangulo {
    int x = 0, y = 0, w = 0, h = 0;
  };
  virtual Retangulo RetanguloJanela(Hwnd janela) = 0;
  virtual void MostrarJanela(Hwnd janela, bool visivel) = 0;
  virtual void Redesenhar(Hwnd janela) = 0;
  virtual int SetWindowPos(Hwnd janela, std::intptr_t depoisDe, int x, int y,
                           int cx, int cy, unsigned flags) = 0;

  // The persistent image of a picture box: a device context to read from.
  virtual Hdc CriarImagemPersistente(const Imagem& imagem) = 0;
  virtual Cor GetPixel(Hdc dc, int x, int y) = 0;

  virtual Hrgn CreateRectRgn(int esquerda, int topo, int direita, int base) = 0;
  virtual int CombineRgn(Hrgn destino, Hrgn a, Hrgn b, int modo) = 0;
  virtual bool DeleteObject(Hrgn regiao) = 0;
  virtual int SetWindowRgn(Hwnd janela, Hrgn regiao, bool redesenhar) = 0;

  // Height in pixels of `texto` wrapped at `largura` pixels, measured as it
  // will be drawn (word wrap, ampersands literal), and the font's line height.
  virtual int AlturaTexto(const std::string& texto, const Fonte& fonte, int largura) = 0;
  virtual int AlturaLinha(const Fonte& fonte) = 0;

  // --- the shell ---
  virtual int AlturaTelaPixels() = 0;
  // A window that is never shown: the owner of the tray icon and its menu.
  virtual Hwnd CriarJanelaOculta(ManipuladorJanela& dono, const std::string& titulo) = 0;
  virtual std::uintptr_t IconeAplicacao() = 0;
  virtual unsigned RegistrarMensagem(const std::string& nome) = 0;
  virtual int ShellNotifyIcon(int mensagem, const DadosIconeBandeja& dados) = 0;
  // Pops the menu up at the pointer; the index picked, or -1 when dismissed.
  virtual int MostrarMenu(Hwnd dono, const std::vector<ItemMenu>& itens) = 0;
  // Opens a document (an address, Windows-1252) with its default program.
  virtual void AbrirNoShell(Hwnd dono, const std::string& arquivo,
                            const std::string& pasta, int mostrar) = 0;
  virtual void ReleaseCapture() = 0;
  // The left mouse button is held down at this moment.
  virtual bool BotaoEsquerdoPressionado() = 0;
  virtual long EnviarMensagem(Hwnd janela, unsigned mensagem, std::uintptr_t w,
                           std::intptr_t l) = 0;
  // A tooltip over a rectangle of a window's client area (pixels).
  virtual void DefinirDica(Hwnd janela, int id, int x, int y, int w, int h,
                           const std::string& texto) = 0;

  // --- the About dialog ---
  // A fixed-size window with a thin border, its own icon and a close box
  // only, of the given client size; hidden until shown modally.
  virtual Hwnd CriarJanelaDialogo(ManipuladorJanela& dono, const std::string& titulo,
                                  int larguraCliente, int alturaCliente, Cor fundo) = 0;
  virtual Hwnd CriarBotao(Hwnd pai, int id, const std::string& legenda, int x, int y,
                          int w, int h, const Fonte& fonte) = 0;
  virtual void CentralizarNaTela(Hwnd janela) = 0;
  // Shows the window and returns once it is destroyed; meanwhile the
  // program's other windows take no input.
  virtual void ExecutarModal(Hwnd janela) = 0;
  // Closes the modal window: the windows its run disabled are enabled first,
  // so that activation stays with the program.
  virtual void FecharModal(Hwnd janela) = 0;
  virtual void DestruirJanela(Hwnd janela) = 0;
  virtual void TrazerParaFrente(Hwnd janela) = 0;
};

}  // namespace quillora
