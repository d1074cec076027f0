#pragma once
// UTF-8 and UTF-16, for file paths (which stay UTF-16 from the system to the
// file calls) and for the tools' UTF-8 text.
#include <cstddef>
#include <string>
#include <string_view>

namespace quillora {

// Decodes one UTF-8 sequence at `i` and moves past it; false, with `i`
// unchanged, on a malformed one (overlong, surrogate, past U+10FFFF, cut).
bool LerUtf8(std::string_view s, std::size_t& i, char32_t& c);
void AcrescentarUtf8(std::string& saida, char32_t c);

// Malformed UTF-8 becomes U+FFFD; a lone surrogate in UTF-16 likewise.
std::u16string Utf8ParaUtf16(std::string_view utf8);
std::string Utf16ParaUtf8(std::u16string_view utf16);

}  // namespace quillora
