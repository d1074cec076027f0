#include "board/endereco_frase.h"

namespace quillora {
namespace {

constexpr char kInicio[] = "mailto:?subject=Frase ou Prov\xE9rbios&body=";
constexpr char kQuebra[] = "%0D%0A";

// The bytes that Windows-1252 leaves unassigned carry no character.
bool NaoAtribuido(unsigned char c) {
  return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

bool PrecisaCodificar(unsigned char c) {
  return c < 0x20 || c == 0x7F || c == '%' || c == '&' || c == '#' || c == '?' ||
         c == '=' || c == '"' || c == '\\' || NaoAtribuido(c);
}

}  // namespace

std::string CodificarParaEndereco(std::string_view texto) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string saida;
  saida.reserve(texto.size());
  for (char ch : texto) {
    const auto c = static_cast<unsigned char>(ch);
    if (!PrecisaCodificar(c)) {
      saida += ch;
      continue;
    }
    saida += '%';
    saida += kHex[c >> 4];
    saida += kHex[c & 0xF];
  }
  return saida;
}

std::string EnderecoFraseDoQuadro(std::string_view frase, std::string_view autor) {
  return kInicio + CodificarParaEndereco(frase) + kQuebra + CodificarParaEndereco(autor);
}

}  // namespace quillora
