#pragma once
// A seedable uniform generator of values in [0, 1), shared by every backend.
#include <cstdint>

namespace quillora {

class Gerador {
 public:
  void Semear(double semente);
  double Proximo();

 private:
  std::uint64_t estado_ = 0x853c49e6748fea9bULL;
};

}  // namespace quillora
