#pragma once
// Windows-1252 <-> Unicode, done here once so that no code depends on the
// system's code page. The five bytes that Windows-1252 leaves unassigned map
// to the C1 code points of the same value, as Windows itself maps them.
#include <cstddef>
#include <string>
#include <string_view>

namespace quillora {

char32_t Cp1252ParaUnicode(unsigned char byte);
// Returns -1 when the code point has no Windows-1252 byte.
int UnicodeParaCp1252(char32_t code);

std::string Cp1252ParaUtf8(std::string_view bytes);

// Converts UTF-8 to Windows-1252. On failure returns false and sets
// `erro` to a short Portuguese reason and `coluna` to the 1-based column.
bool Utf8ParaCp1252(std::string_view utf8, std::string& saida,
                    std::string& erro, std::size_t& coluna);

}  // namespace quillora
