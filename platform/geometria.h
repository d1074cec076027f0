#pragma once
// Rectangles of pixels.

namespace quillora {

struct Retangulo {
  int x = 0, y = 0, w = 0, h = 0;
  bool Contem(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
  bool operator==(const Retangulo&) const = default;
};

}  // namespace quillora
