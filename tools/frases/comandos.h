#pragma once
// The commands of quillora-frases. Each returns the exit status:
// 0 success, 1 bad data, 2 bad usage.
#include <iosfwd>
#include <string>

#include "platform/runtime.h"

namespace quillora {

inline constexpr int kSaidaOk = 0;
inline constexpr int kSaidaDados = 1;
inline constexpr int kSaidaUso = 2;

int ComandoPack(const std::string& entrada, const std::string& saida,
                std::ostream& err);
int ComandoList(Runtime& rt, const std::string& arquivo, std::ostream& out,
                std::ostream& err);
int ComandoCheck(Runtime& rt, const std::string& arquivo, std::ostream& out,
                 std::ostream& err);
int ComandoDraw(Runtime& rt, const std::string& arquivo, std::ostream& out,
                std::ostream& err);
// `chaveUtf8` is converted to Windows-1252 before use.
int ComandoDecode(const std::string& chaveUtf8, std::istream& in,
                  std::ostream& out, std::ostream& err);

// `argv` in UTF-8.
int Executar(int argc, char** argv, Runtime& rt);

}  // namespace quillora
