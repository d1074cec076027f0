#pragma once
// The real window system: GDI and USER32 behind the SistemaJanelas interface.
#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/janelas.h"
#include "platform/win32/ganchos_teste.h"
#include "platform/win32/objetos_win32.h"

namespace quillora {

class Win32Janelas : public SistemaJanelas {
 public:
  Win32Janelas(HINSTANCE instancia, HCURSOR mao, HICON iconeAplicacao, HICON iconeSobre,
               HICON iconeSobrePequeno);
  ~Win32Janelas() override;
  Win32Janelas(const Win32Janelas&) = delete;
  Win32Janelas& operator=(const Win32Janelas&) = delete;

  int TwipsPorPixelX() override;
  int TwipsPorPixelY() override;
  int LarguraTelaPixels() override;
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

  int AlturaTelaPixels() override;
  Hwnd CriarJanelaOculta(ManipuladorJanela& dono, const std::string& titulo) override;
  std::uintptr_t IconeAplicacao() override;
  unsigned RegistrarMensagem(const std::string& nome) override;
  int ShellNotifyIcon(int mensagem, const DadosIconeBandeja& dados) override;
  int MostrarMenu(Hwnd dono, const std::vector<ItemMenu>& itens) override;
  void AbrirNoShell(Hwnd dono, const std::string& arquivo, const std::string& pasta,
                    int mostrar) override;
  void ReleaseCapture() override;
  bool BotaoEsquerdoPressionado() override;
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

  // Fonts are made once and kept for the run.
  HFONT FonteGdi(const Fonte& fonte);
  void Pintar(HWND janela, ManipuladorJanela& dono);
  HCURSOR Mao() const { return mao_; }
  GanchosTeste& Ganchos() { return ganchos_; }

 private:
  struct ImagemPersistente;
  HINSTANCE instancia_;
  HCURSOR mao_;
  HICON iconeAplicacao_;
  HICON iconeSobre_;
  HICON iconeSobrePequeno_;
  std::map<HWND, HWND> dicas_;  // a tooltip control per window
  std::vector<std::unique_ptr<ImagemPersistente>> imagens_;
  std::map<std::wstring, ObjetoGdi> fontes_;
  std::map<HRGN, ObjetoGdi> regioes_;  // made here and not yet given to a window
  GanchosTeste ganchos_;
  std::vector<HWND> desabilitadasPeloModal_;
  void ReabilitarOutras();
};

}  // namespace quillora
