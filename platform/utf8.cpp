#include "platform/utf8.h"

namespace quillora {

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

void AcrescentarUtf8(std::string& saida, char32_t c) {
  if (c < 0x80) {
    saida += static_cast<char>(c);
  } else if (c < 0x800) {
    saida += static_cast<char>(0xC0 | (c >> 6));
    saida += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    saida += static_cast<char>(0xE0 | (c >> 12));
    saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    saida += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    saida += static_cast<char>(0xF0 | (c >> 18));
    saida += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    saida += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    saida += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::u16string Utf8ParaUtf16(std::string_view utf8) {
  std::u16string saida;
  saida.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t c = 0;
    if (!LerUtf8(utf8, i, c)) {
      c = 0xFFFD;
      ++i;
    }
    if (c >= 0x10000) {
      saida += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      saida += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      saida += static_cast<char16_t>(c);
    }
  }
  return saida;
}

std::string Utf16ParaUtf8(std::u16string_view utf16) {
  std::string saida;
  saida.reserve(utf16.size());
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t c = utf16[i];
    const bool alto = c >= 0xD800 && c < 0xDC00;
    if (alto && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (utf16[++i] - 0xDC00);
    } else if (c >= 0xD800 && c < 0xE000) {
      c = 0xFFFD;
    }
    AcrescentarUtf8(saida, c);
  }
  return saida;
}

}  // namespace quillora
