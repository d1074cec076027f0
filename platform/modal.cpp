#include "platform/modal.h"

namespace quillora {

void DialogoModal::Executar(Hwnd janela, Hwnd foco) {
  desabilitadas_ = janelas_.DesabilitarOutras(janela);
  janelas_.MostrarJanela(janela, true);
  janelas_.TrazerParaFrente(janela);
  if (foco) janelas_.DarFoco(foco);
  janelas_.LacoModal(janela);
  Reabilitar();  // when it went some other way than Fechar
}

void DialogoModal::Fechar(Hwnd janela) {
  Reabilitar();
  janelas_.DestruirJanela(janela);
}

void DialogoModal::Reabilitar() {
  for (Hwnd h : desabilitadas_) janelas_.Habilitar(h);
  desabilitadas_.clear();
}

}  // namespace quillora
