// quillora-medir-frases: measures every record of a phrase file with the
// program's own text measuring (the routine that draws the labels) and says
// which phrases would take more than seven lines on the board or which
// authors would not fit their label.
//   quillora-medir-frases ARQUIVO
#include <windows.h>

#include <cstdio>

#include "board/rotulos_quadro.h"
#include "phrases/registro.h"
#include "phrases/sorteio.h"
#include "platform/cp1252.h"
#include "platform/utf8.h"
#include "platform/escala.h"
#include "platform/win32/tela_win32.h"
#include "platform/win32/texto_win32.h"
#include "platform/win32/runtime_win32.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  quillora::Win32Texto ws;
  quillora::Win32Tela tela;
  const quillora::Escala escala(tela);
  const quillora::Fonte& fraseFonte = quillora::kFonteFrase;
  const quillora::Fonte& autorFonte = quillora::kFonteAutor;
  // The labels' widths in twips, at the screen's own twips per pixel.
  const int larguraFrase = escala.Px(quillora::kLarguraFrase);
  const int larguraAutor = escala.Px(quillora::kLarguraAutor);
  quillora::Win32FileSystem fs;
  auto fluxo = fs.OpenTextFile(quillora::Utf8ParaUtf16(argv[1]));
  if (!fluxo) return 1;
  int registros = 0, ruins = 0, maiorLinhas = 0;
  std::string linha, autor;
  while (!fluxo->AtEndOfStream()) {
    fluxo->ReadLineInto(linha);
    if (!quillora::TemSeparador(linha)) continue;
    ++registros;
    quillora::DividirRegistro(linha, autor);
    const quillora::FraseDecifrada lido = quillora::DecifrarCampos(linha, autor);
    const std::string& autorClaro = lido.autor;
    const std::string& frase = lido.frase;
    const int dpi = escala.PontosPorPolegadaY();
    const int linhas =
        ws.AlturaTexto(frase, fraseFonte, dpi, larguraFrase) / ws.AlturaLinha(fraseFonte, dpi);
    const bool autorCabe = ws.AlturaTexto(autorClaro, autorFonte, dpi, larguraAutor) <=
                           ws.AlturaLinha(autorFonte, dpi);
    if (linhas > maiorLinhas) maiorLinhas = linhas;
    if (linhas > 7 || !autorCabe) {
      ++ruins;
      std::printf("too big (%d lines%s): %s\n", linhas, autorCabe ? "" : ", author too wide",
                  quillora::Cp1252ParaUtf8(frase).c_str());
    }
  }
  std::printf("records=%d too_big=%d most_lines=%d\n", registros, ruins, maiorLinhas);
  return ruins == 0 && registros > 0 ? 0 : 1;
}
