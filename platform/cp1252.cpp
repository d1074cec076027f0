#include "platform/cp1252.h"

#include "platform/utf8.h"

namespace quillora {
namespace {

// Code points of bytes 0x80 to 0x9F; the rest of the page is Latin-1.
constexpr char32_t kFaixa80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

char32_t Cp1252ParaUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kFaixa80[byte - 0x80];
  return byte;
}

int UnicodeParaCp1252(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
    return static_cast<int>(code);
  }
  for (int i = 0; i < 32; ++i) {
    if (kFaixa80[i] == code) return 0x80 + i;
  }
  return -1;
}

std::string Cp1252ParaUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char b : bytes) {
    AcrescentarUtf8(out, Cp1252ParaUnicode(static_cast<unsigned char>(b)));
  }
  return out;
}


ConversaoCp1252 Utf8ParaCp1252(std::string_view utf8) {
  std::string saida;
  std::size_t i = 0;
  std::size_t caractere = 0;
  while (i < utf8.size()) {
    ++caractere;
    char32_t c = 0;
    if (!LerUtf8(utf8, i, c)) return {std::nullopt, "UTF-8 inválido", caractere};
    const int byte = UnicodeParaCp1252(c);
    if (byte < 0) return {std::nullopt, "caractere fora do Windows-1252", caractere};
    saida += static_cast<char>(byte);
  }
  return {std::move(saida), {}, 0};
}

}  // namespace quillora
