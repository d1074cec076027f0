#pragma once
// What the test build answers about itself, through registered messages
// sent to any of its windows; the product registers none and answers
// nothing.
#include <windows.h>

#include <optional>

namespace quillora {

class GanchosTeste {
 public:
  GanchosTeste();
  // The answer when `mensagem` is one of the questions.
  std::optional<LRESULT> Responder(UINT mensagem) const;
  // Whether `mensagem` asks the window to behave as if its screen's scale
  // had changed to wParam dots per inch.
  bool PedeEscala(UINT mensagem) const { return mensagem != 0 && mensagem == escala_; }
  // Counts the activations of the board (class `classeQuadro`).
  void JanelaAtivada(HWND janela, const wchar_t* classeQuadro);

 private:
  UINT objetosVivos_ = 0;   // "Quillora.ObjetosVivos": GDI and USER objects alive
  UINT apartamento_ = 0;    // "Quillora.ApartamentoCom": 1 STA entered, 2 MTA, 0 none
  UINT ativacoes_ = 0;      // "Quillora.AtivacoesQuadro": times the board was activated
  UINT ponteiro_ = 0;       // "Quillora.LadoPonteiro": width of the pointer now shown
  UINT escala_ = 0;         // "Quillora.MudarEscala": the screen's scale changes
  int ativacoesQuadro_ = 0;
};

}  // namespace quillora
