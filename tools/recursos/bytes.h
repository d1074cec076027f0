#pragma once
// Little-endian integers appended to a byte string, as GIF, ICO and CUR
// files store them.
#include <cstdint>
#include <string>

namespace quillora {

inline void U16(std::string& s, int v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}

inline void U32(std::string& s, std::uint32_t v) {
  U16(s, static_cast<int>(v & 0xFFFF));
  U16(s, static_cast<int>(v >> 16));
}

}  // namespace quillora
