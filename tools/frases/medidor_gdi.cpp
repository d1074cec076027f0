// The Windows build's measurer: the very text routine the board draws its
// labels with, in the user's own fonts.
#include "board/rotulos_quadro.h"
#include "platform/win32/texto_win32.h"
#include "tools/frases/medida.h"

namespace quillora {
namespace {

constexpr int kDpi = 96;

class MedidorGdi : public Medidor {
 public:
  int LinhasDaFrase(const std::string& frase, int largura) override {
    return texto_.AlturaTexto(frase, kFonteFrase, kDpi, largura) /
           texto_.AlturaLinha(kFonteFrase, kDpi);
  }
  int LarguraDoAutor(const std::string& autor) override {
    return texto_.LarguraTexto(autor, kFonteAutor, kDpi);
  }

 private:
  Win32Texto texto_;
};

}  // namespace

// The font files are the system's: the options name none here.
MedidorCriado CriarMedidor(const OpcoesMedida& /*opcoes*/) {
  return {std::make_unique<MedidorGdi>()};
}

}  // namespace quillora
