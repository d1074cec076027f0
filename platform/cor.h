#pragma once
// A colour as the window system takes it: 0x00BBGGRR.
#include <cstdint>

namespace quillora {

using Cor = std::uint32_t;

constexpr Cor Rgb(int r, int g, int b) {
  return static_cast<Cor>(r) | (static_cast<Cor>(g) << 8) | (static_cast<Cor>(b) << 16);
}

// The design's navy, for the board's texts and the maker's name.
inline constexpr Cor kMarinho = Rgb(0, 0, 128);

}  // namespace quillora
