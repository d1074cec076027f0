#pragma once
#include <string>
#include <string_view>

namespace quillora {

// The exact inverse of Decifrar for texts it can store: each character gets
// the opposite shift of its position. Returns false, with the 1-based
// character in `posicaoRuim`, when a scrambled code would fall outside 0..255.
bool Cifrar(std::string_view texto, std::string_view chave, std::string& saida,
            std::size_t& posicaoRuim);

}  // namespace quillora
