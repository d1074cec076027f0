#pragma once
// Windows: made, placed, shown, put into or out of the always-on-top band,
// run modally, and dragged by a caption they do not have.
#include <string>
#include <vector>

#include "platform/geometria.h"
#include "platform/handles.h"
#include "platform/texto.h"

namespace quillora {

class Formulario;

enum class TipoJanela {
  Quadro,   // borderless popup, never in the taskbar; its rectangle is the window's
  Oculta,   // never shown: the owner of the tray icon and its menu
  Dialogo,  // thin fixed border, its own icon, a close box only, a taskbar
            // button; its rectangle's size is the client area's
};

// SetWindowPos's insert-after values and flags, as the design names them.
enum class InserirApos { kHwndTopmost, kHwndNoTopmost };
enum FlagsSwp : unsigned { kSwpNoSize = 1u << 0, kSwpNoMove = 1u << 1 };

// The message and hit-test code of the design's caption drag.
enum class MensagemJanela { kWmNcLButtonDown };
enum class AreaJanela { kHtCaption };

class Janelas {
 public:
  virtual ~Janelas() = default;

  // A hidden window whose messages go to `dono`.
  virtual Hwnd CriarJanela(Formulario& dono, TipoJanela tipo, const std::string& titulo,
                           Retangulo r) = 0;
  virtual void DestruirJanela(Hwnd janela) = 0;
  // The window's place and size on the screen, frame included.
  virtual void MoverJanela(Hwnd janela, Retangulo r) = 0;
  virtual Retangulo RetanguloJanela(Hwnd janela) = 0;
  // The scale the window stands at: its screen's, which may differ from the
  // one the system started with.
  virtual int PontosPorPolegada(Hwnd janela) = 0;
  virtual void MostrarJanela(Hwnd janela, bool visivel) = 0;
  virtual void Redesenhar(Hwnd janela) = 0;
  virtual int SetWindowPos(Hwnd janela, InserirApos depoisDe, int x, int y, int cx, int cy,
                           unsigned flags) = 0;
  virtual void TrazerParaFrente(Hwnd janela) = 0;

  // The modal run: the program's other windows are disabled, then the
  // window answers messages until it is gone.
  virtual std::vector<Hwnd> DesabilitarOutras(Hwnd janela) = 0;
  virtual void Habilitar(Hwnd janela) = 0;
  virtual void LacoModal(Hwnd janela) = 0;
  virtual void DarFoco(Hwnd controle) = 0;

  // A push button, its font at the given dots per inch; placed again at
  // another scale.
  virtual Hwnd CriarBotao(Hwnd pai, int id, const std::string& legenda, Retangulo r,
                          const Fonte& fonte, int pontosPorPolegada) = 0;
  virtual void AjustarBotao(Hwnd botao, Retangulo r, const Fonte& fonte,
                            int pontosPorPolegada) = 0;
  // A tooltip over a rectangle of the window's client area; the same `id`
  // again moves it.
  virtual void DefinirDica(Hwnd janela, int id, Retangulo r, const std::string& texto) = 0;

  virtual void ReleaseCapture() = 0;
  // Returns when the window system's move, which the caption press starts,
  // has ended with the button's release.
  virtual long EnviarMensagem(Hwnd janela, MensagemJanela mensagem, AreaJanela area,
                              long l) = 0;
  // The left mouse button is held down at this moment.
  virtual bool BotaoEsquerdoPressionado() = 0;

  // A message number registered by name (such as "TaskbarCreated").
  virtual unsigned RegistrarMensagem(const std::string& nome) = 0;
};

}  // namespace quillora
