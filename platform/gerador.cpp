#include "platform/gerador.h"

#include <cstring>

namespace quillora {

void Gerador::Semear(double semente) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &semente, sizeof bits);
  estado_ = bits ^ 0x9e3779b97f4a7c15ULL;
}

// splitmix64: tiny, well distributed, and every seed gives a full sequence.
double Gerador::Proximo() {
  estado_ += 0x9e3779b97f4a7c15ULL;
  std::uint64_t z = estado_;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) * 0x1.0p-53;
}

}  // namespace quillora
