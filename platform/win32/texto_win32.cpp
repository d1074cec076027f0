#include "platform/win32/texto_win32.h"

#include "platform/cp1252.h"

namespace quillora {

std::wstring Largo(std::string_view cp1252) {
  std::wstring saida;
  saida.reserve(cp1252.size());
  for (char b : cp1252) {
    saida += static_cast<wchar_t>(Cp1252ParaUnicode(static_cast<unsigned char>(b)));
  }
  return saida;
}

std::string Estreito(std::wstring_view texto) {
  std::string saida;
  saida.reserve(texto.size());
  for (wchar_t c : texto) {
    const int b = UnicodeParaCp1252(static_cast<char32_t>(c));
    saida += static_cast<char>(b < 0 ? '?' : b);
  }
  return saida;
}

}  // namespace quillora
