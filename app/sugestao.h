#pragma once
#include <string>

namespace quillora {

// The suggestion e-mail: to the maker, with a subject and a two-line body
// for the user to fill in (Windows-1252).
std::string EnderecoSugestao();

}  // namespace quillora
