#pragma once
// One line of dados.lst: scrambled phrase, the separator, scrambled author.
#include <string>
#include <string_view>

namespace quillora {

inline constexpr std::string_view kSeparador{"\xFE\x06\x9D", 3};

// 1-based position of the first separator, 0 when there is none.
std::size_t PosicaoSeparador(std::string_view linha);

inline bool TemSeparador(std::string_view linha) {
  return PosicaoSeparador(linha) != 0;
}

// Splits at the first separator: `autor` gets the bytes after it, `linha`
// is cut to the bytes before it. The line must hold a separator.
void DividirRegistro(std::string& linha, std::string& autor);

}  // namespace quillora
