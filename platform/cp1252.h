#pragma once
// Windows-1252 <-> Unicode, done here once so that no code depends on the
// system's code page. The five bytes that Windows-1252 leaves unassigned map
// to the C1 code points of the same value, as Windows itself maps them.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillora {

char32_t Cp1252ParaUnicode(unsigned char byte);
// Returns -1 when the code point has no Windows-1252 byte.
int UnicodeParaCp1252(char32_t code);

std::string Cp1252ParaUtf8(std::string_view bytes);

// What a UTF-8 text gives in Windows-1252: its bytes, or why not.
struct ConversaoCp1252 {
  std::optional<std::string> texto;  // nothing when it cannot be converted
  std::string erro;                  // then a short Portuguese reason
  std::size_t coluna = 0;            // and the 1-based column at fault
};
ConversaoCp1252 Utf8ParaCp1252(std::string_view utf8);

}  // namespace quillora
