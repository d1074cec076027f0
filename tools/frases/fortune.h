#pragma once
// Quotation files in the fortune format: records separated by lines that
// hold only "%", the last line of a record its attribution when it starts
// with "--", an em dash or a horizontal bar.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillora {

struct RegistroFortune {
  std::size_t numero = 0;            // 1-based, in its file
  std::size_t linha = 0;             // 1-based, where its text starts
  std::string frase;                 // UTF-8, its words joined with single spaces
  std::optional<std::string> autor;  // UTF-8, its attribution line's words, likewise
};

struct ArquivoFortune {
  std::vector<RegistroFortune> registros;
  bool cp1252 = false;  // the bytes were not UTF-8 and were read as Windows-1252
};

// Records with neither text nor attribution (before the first "%", after
// the last) are not records.
ArquivoFortune LerFortune(std::string_view bytes);

}  // namespace quillora
