#pragma once
// The picture box that covers the whole board.
#include "platform/escala.h"
#include "platform/handles.h"
#include "platform/cor.h"

namespace quillora {

struct CaixaImagem {
  int ScaleMode = 1;  // 1 twips, 3 pixels
  bool AutoRedraw = false;
  bool AutoSize = false;
  int BorderStyle = 1;
  Cor BackColor = 0;
  Hdc hDC;                // the persistent image, once AutoRedraw holds one
  int larguraImagem = 0;  // the picture, in pixels
  int alturaImagem = 0;
  float Width = 5310, Height = 2460;  // twips, border included
  float ScaleWidth = 0, ScaleHeight = 0;  // inner size in the current scale

  // An auto-sized box takes its picture's size plus its border (2 pixels on
  // each side when it has one); the inner size is read in the current scale.
  void Ajustar(const Escala& escala);
};

}  // namespace quillora
