#pragma once
// The tool's command line: a command, its operands, and options that each
// command names (some take a value: "-o SAIDA").
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace quillora {

struct LinhaDeComando {
  std::string comando;
  std::vector<std::string> operandos;
  std::map<std::string, std::string> valores;  // "-o" -> "saida.txt"
  std::set<std::string> marcas;                // "--estrito"
  bool Tem(const std::string& marca) const { return marcas.count(marca) != 0; }
  std::string Valor(const std::string& opcao) const;
};

// What each command accepts: options with a value and options without.
struct Aceitas {
  std::set<std::string> comValor, semValor;
};

// Nothing when an option is unknown to the command or lacks its value.
std::optional<LinhaDeComando> LerLinhaDeComando(const std::vector<std::string>& args,
                                                const std::map<std::string, Aceitas>& aceitas);

}  // namespace quillora
