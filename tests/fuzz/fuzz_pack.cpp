// Round trip of the packer: whatever line it accepts must come back from the
// program's own split and decoder exactly, with no CR or LF in the record.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "phrases/decifrar.h"
#include "phrases/registro.h"
#include "platform/cp1252.h"
#include "tools/frases/empacotar.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const quillora::LinhaEmpacotada packed = quillora::EmpacotarLinha(input);
  if (!packed.registro) return 0;
  const std::string& record = *packed.registro;
  if (record.find_first_of("\r\n") != std::string::npos) std::abort();
  std::string phrase = record, author;
  quillora::DividirRegistro(phrase, author);
  const std::string plainAuthor = quillora::Decifrar(author, "Lumen");
  const std::string plainPhrase =
      quillora::Decifrar(phrase, quillora::ChaveDaFrase(plainAuthor));
  const std::size_t tab = input.find('\t');
  if (quillora::Cp1252ParaUtf8(plainPhrase) != input.substr(0, tab) ||
      quillora::Cp1252ParaUtf8(plainAuthor) != input.substr(tab + 1)) {
    std::abort();
  }
  return 0;
}
