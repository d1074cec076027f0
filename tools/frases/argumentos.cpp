#include "tools/frases/argumentos.h"

namespace quillora {

std::string LinhaDeComando::Valor(const std::string& opcao) const {
  const auto it = valores.find(opcao);
  return it == valores.end() ? std::string() : it->second;
}

std::optional<LinhaDeComando> LerLinhaDeComando(const std::vector<std::string>& args,
                                                const std::map<std::string, Aceitas>& aceitas) {
  if (args.empty() || aceitas.count(args[0]) == 0) return std::nullopt;
  const Aceitas& a = aceitas.at(args[0]);
  LinhaDeComando l;
  l.comando = args[0];
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg[0] != '-') {
      l.operandos.push_back(arg);
    } else if (a.semValor.count(arg)) {
      l.marcas.insert(arg);
    } else if (a.comValor.count(arg) && i + 1 < args.size()) {
      l.valores[arg] = args[++i];
    } else {
      return std::nullopt;
    }
  }
  return l;
}

}  // namespace quillora
