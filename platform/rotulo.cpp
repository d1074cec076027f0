#include "platform/rotulo.h"

namespace quillora {

void Rotulo::SetCaption(const std::string& caption) {
  Caption = caption;
  AjustarAltura();
}

void Rotulo::SetWidth(float twips) {
  Width = twips;
  AjustarAltura();
}

float Rotulo::AlturaLinhaTwips() const {
  return escala_.TwipsY(texto_.AlturaLinha(Font, escala_.PontosPorPolegadaY()));
}

void Rotulo::AjustarAltura() {
  if (!AutoSize || !WordWrap) return;
  Height = escala_.TwipsY(
      texto_.AlturaTexto(Caption, Font, escala_.PontosPorPolegadaY(), escala_.Px(Width)));
}

}  // namespace quillora
