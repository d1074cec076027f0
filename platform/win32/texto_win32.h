#pragma once
// Text over GDI: fonts made once and kept for the run, and one routine that
// both measures and draws, so that a label is as tall as what it shows.
#include <windows.h>

#include <map>
#include <string>

#include "platform/rotulo.h"
#include "platform/texto.h"
#include "platform/win32/objetos_win32.h"

namespace quillora {

class Win32Texto : public Texto {
 public:
  int AlturaTexto(const std::string& texto, const Fonte& fonte, int pontosPorPolegada,
                  int largura) override;
  int AlturaLinha(const Fonte& fonte, int pontosPorPolegada) override;

  // Width in pixels of the text on one line, measured as a label without
  // word wrap draws it.
  int LarguraTexto(const std::string& texto, const Fonte& fonte, int pontosPorPolegada);
  // The font at the given dots per inch.
  HFONT FonteGdi(const Fonte& fonte, int pontosPorPolegada);
  // Draws the label in its rectangle, transparent over what is there.
  void Desenhar(HDC dc, const Rotulo& rotulo);

 private:
  std::map<std::wstring, Gdi<HFONT>> fontes_;
};

}  // namespace quillora
