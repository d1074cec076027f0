#pragma once
// The addresses that the program hands to the shell (Windows-1252).
#include <string>
#include <string_view>

namespace quillora {

// The suggestion e-mail: to the maker, with a subject and a two-line body.
std::string EnderecoSugestao();

// The board's e-mail: no recipient, the phrase and its author as the body.
std::string EnderecoFraseDoQuadro(std::string_view frase, std::string_view autor);

// "mailto:" and the maker's address, nothing else.
std::string EnderecoEmailFabricante();

// Percent-encodes what would change the meaning of a mailto: address or
// break out of the handler's quoted command line: % & # ? = " \, every
// control character and the five bytes that Windows-1252 leaves unassigned.
// Spaces and accented letters stay as they are.
std::string CodificarParaEndereco(std::string_view texto);

}  // namespace quillora
