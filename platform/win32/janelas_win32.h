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
#include "platform/win32/texto_win32.h"

namespace quillora {

class Win32Janelas;

// One window of the program: its form and what it answers to.
class JanelaWin32 {
 public:
  JanelaWin32(Win32Janelas& sistema, Formulario& dono);
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
};

struct IconesJanelas {
  HICON aplicacao;      // the host's: the application icon
  HICON sobre;          // the About dialog's, its large image
  HICON sobrePequeno;   // and its own 16 x 16 image, for the title bar
};

class Win32Janelas : public Janelas {
 public:
  Win32Janelas(HINSTANCE instancia, Win32Texto& texto, HCURSOR mao, const IconesJanelas& icones);
  ~Win32Janelas() override;
  Win32Janelas(const Win32Janelas&) = delete;
  Win32Janelas& operator=(const Win32Janelas&) = delete;

  Hwnd CriarJanela(Formulario& dono, TipoJanela tipo, const std::string& titulo,
                   Retangulo r) override;
  void DestruirJanela(Hwnd janela) override;
  void MoverJanela(Hwnd janela, Retangulo r) override;
  Retangulo RetanguloJanela(Hwnd janela) override;
  void MostrarJanela(Hwnd janela, bool visivel) override;
  void Redesenhar(Hwnd janela) override;
  int SetWindowPos(Hwnd janela, InserirApos depoisDe, int x, int y, int cx, int cy,
                   unsigned flags) override;
  void TrazerParaFrente(Hwnd janela) override;
  std::vector<Hwnd> DesabilitarOutras(Hwnd janela) override;
  void Habilitar(Hwnd janela) override;
  void LacoModal(Hwnd janela) override;
  void DarFoco(Hwnd controle) override;
  Hwnd CriarBotao(Hwnd pai, int id, const std::string& legenda, Retangulo r,
                  const Fonte& fonte) override;
  void DefinirDica(Hwnd janela, int id, Retangulo r, const std::string& texto) override;
  void ReleaseCapture() override;
  long EnviarMensagem(Hwnd janela, MensagemJanela mensagem, AreaJanela area, long l) override;
  bool BotaoEsquerdoPressionado() override;
  unsigned RegistrarMensagem(const std::string& nome) override;

  Win32Texto& texto() { return texto_; }
  HCURSOR Mao() const { return mao_; }
  GanchosTeste& Ganchos() { return ganchos_; }
  // The window is going: its object goes with it.
  void Esquecer(HWND janela);

 private:
  HINSTANCE instancia_;
  Win32Texto& texto_;
  HCURSOR mao_;
  std::map<HWND, std::unique_ptr<JanelaWin32>> janelas_;
  std::map<HWND, HWND> dicas_;  // a tooltip control per window
  GanchosTeste ganchos_;
};

}  // namespace quillora
