#pragma once
// Drawing one record of dados.lst at random: the first half of every
// show-phrase cycle. The file is read twice from the start on every cycle,
// streamed line by line, so a changed file takes effect at the next cycle.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/runtime.h"

namespace quillora {

// Values the cycle keeps between calls; nothing else reads them.
struct EstadoSorteio {
  std::unique_ptr<FileSystemObject> fso;
  std::unique_ptr<TextStream> fluxo;
  std::string linhaRegistro;  // after a draw: the raw phrase field
  std::string autorBruto;
  std::int64_t numeroSorteado = 0;
};

enum class Sorteio { Ok, ArquivoInexistente, SemFrases, Ilegivel };

using FonteCaminho = std::function<std::u16string()>;

// The program directory, a backslash, and "dados.lst", read afresh.
std::u16string CaminhoDados(Runtime& rt);

// Checks the file, counts the records, seeds, draws, fetches and splits.
// Only lines holding the separator are records. On Ok the file objects are
// left open for FecharArquivos; on any failure they are already closed and
// released.
Sorteio SortearRegistro(Runtime& rt, EstadoSorteio& estado,
                        const FonteCaminho& caminho);

// Closes the text stream, then drops it and the file-system object.
void FecharArquivos(EstadoSorteio& estado);

struct FraseDecifrada {
  std::string frase;
  std::string autor;
};
// Author with the fixed key, then phrase with characters 2-4 of the author.
FraseDecifrada DecifrarCampos(const std::string& fraseBruta, const std::string& autorBruto);
// The same for the record the draw left.
FraseDecifrada DecifrarRegistro(const EstadoSorteio& estado);

// The two-line text of the message box for a failed draw.
std::string MensagemDeFalha(Sorteio falha);

}  // namespace quillora
