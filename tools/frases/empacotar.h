#pragma once
// Turning the UTF-8 phrase list into the bytes of dados.lst.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillora {

struct ErroDeLinha {
  std::size_t linha;
  std::string motivo;  // UTF-8
};

// A stored line's texts, as the board will show them (Windows-1252).
struct TextosDeLinha {
  std::size_t linha;
  std::string frase, autor;
};

struct Empacotado {
  std::string bytes;  // CR LF lines, ready for dados.lst
  std::size_t registros = 0;
  std::vector<ErroDeLinha> erros;
  std::vector<TextosDeLinha> textos;  // one per record
};

// A record, or why a line cannot be one.
struct LinhaEmpacotada {
  std::optional<std::string> registro;  // Windows-1252, without its line break
  std::string motivo = {};              // UTF-8, when there is no record
  std::string frase = {}, autor = {};   // Windows-1252, when there is one
};

// One record from a "phrase<TAB>author" line (without its line break).
LinhaEmpacotada EmpacotarLinha(std::string_view linhaUtf8);

// Every non-empty line of `entradaUtf8`; any error means nothing is usable.
Empacotado Empacotar(std::string_view entradaUtf8);

}  // namespace quillora
