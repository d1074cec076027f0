#pragma once
#include <string>
#include <string_view>

namespace quillora {

// Turns a scrambled field back into text. Never fails: a character whose
// decoded code falls outside 0..255 is dropped, and the next character keeps
// its own position.
std::string Decifrar(std::string_view texto, std::string_view chave);

// The offset that a key gives: floor(sum of codes * 0.1 / 6), in double.
double DeslocamentoDaChave(std::string_view chave);

// Net change, before the offset, of the character at 1-based `indice`
// (so the output code is c + sinal * offset + constante).
struct PassoPosicao {
  int sinal;
  int constante;
};
PassoPosicao PassoDaPosicao(std::size_t indice);

// Characters 2 to 4 of the decoded author (fewer, or none, when shorter).
std::string ChaveDaFrase(std::string_view autorDecifrado);

}  // namespace quillora
