#pragma once
// The one place where program text (Windows-1252 bytes) becomes the UTF-16
// that the W entry points take, whatever the system's code page is.
#include <string>
#include <string_view>

namespace quillora {

std::wstring Largo(std::string_view cp1252);

}  // namespace quillora
