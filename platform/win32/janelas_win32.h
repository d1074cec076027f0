#pragma once
// Windows over USER32: the program's three window classes, one creation
// sequence, the modal run, and the window procedure that hands each
// message to its window's object.
#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/eventos.h"
#include "platform/janelas.h"
#include "platform/win32/ganchos_teste.h"
#include "platform/win32/icones_win32.h"
#include "platform/win32/texto_win32.h"

namespace quillora {

class Win32Janelas;

// One window of the program: its form and what it answers to.
class JanelaWin32 {
 public:
  JanelaWin32(Win32Janelas& sistema, Formulario& dono, TipoJanela tipo);
  ~JanelaWin32();
  JanelaWin32(const JanelaWin32&) = delete;
  JanelaWin32& operator=(const JanelaWin32&) = delete;

  LRESULT Tratar(HWND hwnd, UINT mensagem, WPARAM wParam, LPARAM lParam);

 private:
  void OnPintar(HWND hwnd);
  bool OnCursor(HWND hwnd);
  LRESULT OnEvento(HWND hwnd, UINT mensagem, WPARAM wParam, LPARAM lParam, const Evento& e);

  Win32Janelas& sistema_;
  Formulario& dono_;
  TipoJanela tipo_;
};

// Resource numbers of the windows' icons and pointer.
struct RecursosJanelas {
  int iconeAplicacao;  // the host's
  int iconeSobre;      // the About dialog's: its 16 x 16 and 32 x 32 images
  int mao;             // the hand pointer at 32 x 32
  int maoEscalas;      // and at the larger cursor sizes
};

class Win32Janelas : public Janelas {
 public:
  Win32Janelas(HINSTANCE instancia, Win32Texto& texto, IconesWin32& icones,
               const RecursosJanelas& recursos);
  ~Win32Janelas() override;
  Win32Janelas(const Win32Janelas&) = delete;
  Win32Janelas& operator=(const Win32Janelas&) = delete;

  Hwnd CriarJanela(Formulario& dono, TipoJanela tipo, const std::string& titulo,
                   Retangulo r) override;
  void DestruirJanela(Hwnd janela) override;
  void MoverJanela(Hwnd janela, Retangulo r) override;
  Retangulo RetanguloJanela(Hwnd janela) override;
  int PontosPorPolegada(Hwnd janela) override;
  void MostrarJanela(Hwnd janela, bool visivel) override;
  void Redesenhar(Hwnd janela) override;
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
  bool BotaoEsquerdoPressionado() override;
  unsigned RegistrarMensagem(const std::string& nome) override;

  Win32Texto& texto() { return texto_; }
  // The hand at the system's cursor size for the dots per inch.
  HCURSOR Mao(int pontosPorPolegada);
  // A dialog's title-bar and task-switch icons at the sizes for its scale.
  void DefinirIcones(HWND janela);
  GanchosTeste& Ganchos() { return ganchos_; }
  // The window is going: its object goes with it.
  void Esquecer(HWND janela);

 private:
  HINSTANCE instancia_;
  Win32Texto& texto_;
  IconesWin32& icones_;
  RecursosJanelas recursos_;
  std::map<HWND, std::unique_ptr<JanelaWin32>> janelas_;
  std::map<HWND, HWND> dicas_;  // a tooltip control per window
  GanchosTeste ganchos_;
};

}  // namespace quillora
