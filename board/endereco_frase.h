#pragma once
// The address that hands the board's phrase to the mail program.
#include <string>
#include <string_view>

namespace quillora {

// No recipient, a fixed subject, and as the body the phrase, a line break
// and the author (Windows-1252).
std::string EnderecoFraseDoQuadro(std::string_view frase, std::string_view autor);

// Percent-encodes what would change the meaning of a mailto: address or
// break out of the handler's quoted command line: % & # ? = " \, every
// control character and the five bytes that Windows-1252 leaves unassigned.
// Spaces and accented letters stay as they are.
std::string CodificarParaEndereco(std::string_view texto);

}  // namespace quillora
