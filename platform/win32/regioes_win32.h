#pragma once
// Persistent images and regions over GDI. Regions made here are ours until
// a window takes them.
#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "platform/regioes.h"
#include "platform/win32/objetos_win32.h"

namespace quillora {

class Win32Regioes : public Regioes {
 public:
  Win32Regioes();
  ~Win32Regioes() override;
  Win32Regioes(const Win32Regioes&) = delete;
  Win32Regioes& operator=(const Win32Regioes&) = delete;

  Hdc CriarImagemPersistente(const Imagem& imagem) override;
  void LiberarImagemPersistente(Hdc dc) override;
  Cor GetPixel(Hdc dc, int x, int y) override;
  Hrgn CreateRectRgn(int esquerda, int topo, int direita, int base) override;
  int CombineRgn(Hrgn destino, Hrgn a, Hrgn b, ModoCombinacao modo) override;
  bool DeleteObject(Hrgn regiao) override;
  int SetWindowRgn(Hwnd janela, Hrgn regiao, bool redesenhar) override;

 private:
  struct ImagemPersistente;
  std::vector<std::unique_ptr<ImagemPersistente>> imagens_;
  std::map<HRGN, Gdi<HRGN>> regioes_;
};

}  // namespace quillora
