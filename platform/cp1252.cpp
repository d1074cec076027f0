#include "platform/cp1252.h"

namespace quillora {
namespace {

// Code points of bytes 0x80 to 0x9F; the rest of the page is Latin-1.
constexpr char32_t kFaixa80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AcrescentarUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 sequence at `i`; returns false on a malformed one.
bool LerUtf8(std::string_view s, std::size_t& i, char32_t& c) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  int extra = 0;
  if (b0 < 0x80) {
    c = b0;
  } else if (b0 >= 0xC2 && b0 < 0xE0) {
    c = b0 & 0x1F, extra = 1;
  } else if (b0 >= 0xE0 && b0 < 0xF0) {
    c = b0 & 0x0F, extra = 2;
  } else if (b0 >= 0xF0 && b0 < 0xF5) {
    c = b0 & 0x07, extra = 3;
  } else {
    return false;
  }
  for (int k = 1; k <= extra; ++k) {
    if (i + k >= s.size()) return false;
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return false;
    c = (c << 6) | (b & 0x3F);
  }
  const char32_t minimo[4] = {0, 0x80, 0x800, 0x10000};
  if (c < minimo[extra] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
    return false;
  }
  i += static_cast<std::size_t>(extra) + 1;
  return true;
}

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

std::u16string Cp1252ParaUtf16(std::string_view bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (char b : bytes) {
    out += static_cast<char16_t>(Cp1252ParaUnicode(static_cast<unsigned char>(b)));
  }
  return out;
}

bool Utf8ParaCp1252(std::string_view utf8, std::string& saida,
                    std::string& erro, std::size_t& coluna) {
  saida.clear();
  std::size_t i = 0;
  std::size_t caractere = 0;
  while (i < utf8.size()) {
    ++caractere;
    char32_t c = 0;
    if (!LerUtf8(utf8, i, c)) {
      erro = "UTF-8 inválido";
      coluna = caractere;
      return false;
    }
    const int byte = UnicodeParaCp1252(c);
    if (byte < 0) {
      erro = "caractere fora do Windows-1252";
      coluna = caractere;
      return false;
    }
    saida += static_cast<char>(byte);
  }
  return true;
}

}  // namespace quillora
