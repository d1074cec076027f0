#pragma once
// The single-instance test: a named mutex taken at start-up.

namespace quillora {

// What creating the program's named mutex gave.
enum class ResultadoMutex {
  Criado,        // ours: no other copy holds it
  JaExistia,     // another copy holds it
  AcessoNegado,  // it exists but we may not open it (a copy running elevated)
  OutroErro,     // no mutex at all (the name taken by another kind of object)
};

// True when the result shows another copy of the program running.
bool OutraCopiaRodando(ResultadoMutex resultado);

}  // namespace quillora
