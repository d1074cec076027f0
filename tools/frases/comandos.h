#pragma once
// The commands of quillora-frases. Each returns the exit status:
// 0 success, 1 bad data, 2 bad usage.
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/runtime.h"
#include "tools/frases/medida.h"

namespace quillora {

inline constexpr int kSaidaOk = 0;
inline constexpr int kSaidaDados = 1;
inline constexpr int kSaidaUso = 2;

// `medidor` may be null: the records are then not measured (and `estrito`
// fails).
int ComandoPack(const std::string& entrada, const std::string& saida, Medidor* medidor,
                bool estrito, std::ostream& err);
int ComandoList(Runtime& rt, const std::string& arquivo, std::ostream& out, std::ostream& err);
// With `medidas`, every record's lines and author width are listed too.
int ComandoCheck(Runtime& rt, const std::string& arquivo, Medidor* medidor, bool medidas,
                 std::ostream& out, std::ostream& err);
int ComandoDraw(Runtime& rt, const std::string& arquivo, std::ostream& out, std::ostream& err);
// `chaveUtf8` is converted to Windows-1252 before use.
int ComandoDecode(const std::string& chaveUtf8, std::istream& in, std::ostream& out,
                  std::ostream& err);

struct OpcoesImportar {
  std::vector<std::string> entradas;     // fortune files
  std::string saida;                     // "phrase<TAB>author" lines; none: standard output
  std::string lst;                       // a finished phrase file
  std::string autor = "An\xC3\xB4nimo";  // for records without an attribution
  bool todas = false;                    // keep the records that do not fit
};
int ComandoImportar(const OpcoesImportar& opcoes, Medidor* medidor, std::ostream& out,
                    std::ostream& err);

// `argv` in UTF-8.
int Executar(int argc, char** argv, Runtime& rt);

}  // namespace quillora
