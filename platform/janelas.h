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
  // True where the pointer is the hand.
  virtual bool CursorMao(int /*x*/, int /*y*/) { return false; }
};

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
};

}  // namespace quillora
