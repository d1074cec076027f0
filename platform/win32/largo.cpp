#include "platform/win32/largo.h"

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

}  // namespace quillora
