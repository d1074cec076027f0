#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quillora {

struct Cifrado {
  std::optional<std::string> texto;  // nothing when it cannot be stored
  std::size_t posicaoRuim = 0;       // then the 1-based character at fault
};

// The exact inverse of Decifrar for texts it can store: each character gets
// the opposite shift of its position. Nothing when a scrambled code would
// fall outside 0..255.
Cifrado Cifrar(std::string_view texto, std::string_view chave);

}  // namespace quillora
