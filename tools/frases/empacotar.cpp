#include "tools/frases/empacotar.h"

#include "phrases/decifrar.h"
#include "phrases/sorteio.h"
#include "phrases/registro.h"
#include "phrases/textos.h"
#include "platform/cp1252.h"
#include "tools/frases/cifrar.h"

namespace quillora {
namespace {

// A field's bytes as they will be stored, or why not.
struct Campo {
  std::optional<std::string> bytes;
  std::string motivo = {};
};

Campo ParaCp1252(std::string_view utf8, const char* campo) {
  ConversaoCp1252 r = Utf8ParaCp1252(utf8);
  if (r.texto) return {std::move(r.texto)};
  return {std::nullopt, r.erro + " no " + campo + " (caractere " + std::to_string(r.coluna) + ")"};
}

Campo CifrarCampo(const std::string& texto, std::string_view chave, const char* campo) {
  Cifrado c = Cifrar(texto, chave);
  if (!c.texto) {
    return {std::nullopt, std::string("código fora de 0 a 255 ao cifrar o ") + campo +
                              " (caractere " + std::to_string(c.posicaoRuim) + ")"};
  }
  if (c.texto->find_first_of("\r\n") != std::string::npos) {
    return {std::nullopt, std::string("o ") + campo + " cifrado teria um byte CR ou LF"};
  }
  return {std::move(c.texto)};
}

// Why the record does not split and decode back to exactly what went in;
// empty when it does.
std::string Conferir(const std::string& registro, const std::string& frase,
                     const std::string& autor) {
  std::string linha = registro;
  std::string autorBruto;
  DividirRegistro(linha, autorBruto);
  if (linha.size() + kSeparador.size() + autorBruto.size() != registro.size() ||
      PosicaoSeparador(registro) != linha.size() + 1) {
    return "a frase cifrada conteria o separador";
  }
  const FraseDecifrada lido = DecifrarCampos(linha, autorBruto);
  if (lido.autor != autor || lido.frase != frase) {
    return "o registro não volta ao texto original";
  }
  return {};
}

std::string ProblemaDaLinha(std::string_view linhaUtf8) {
  const std::size_t tab = linhaUtf8.find('\t');
  if (tab == std::string_view::npos) return "falta a tabulação entre a frase e o autor";
  if (linhaUtf8.find('\t', tab + 1) != std::string_view::npos) {
    return "mais de uma tabulação na linha";
  }
  if (linhaUtf8.find('\r') != std::string_view::npos) return "byte CR no meio da linha";
  return {};
}

}  // namespace

LinhaEmpacotada EmpacotarLinha(std::string_view linhaUtf8) {
  if (std::string problema = ProblemaDaLinha(linhaUtf8); !problema.empty()) {
    return {std::nullopt, std::move(problema)};
  }
  const std::size_t tab = linhaUtf8.find('\t');
  const Campo frase = ParaCp1252(linhaUtf8.substr(0, tab), "texto da frase");
  if (!frase.bytes) return {std::nullopt, frase.motivo};
  const Campo autor = ParaCp1252(linhaUtf8.substr(tab + 1), "autor");
  if (!autor.bytes) return {std::nullopt, autor.motivo};
  const Campo autorCifrado = CifrarCampo(*autor.bytes, textos::kChaveAutor, "autor");
  if (!autorCifrado.bytes) return {std::nullopt, autorCifrado.motivo};
  const Campo fraseCifrada =
      CifrarCampo(*frase.bytes, ChaveDaFrase(*autor.bytes), "texto da frase");
  if (!fraseCifrada.bytes) return {std::nullopt, fraseCifrada.motivo};
  std::string registro = *fraseCifrada.bytes + std::string(kSeparador) + *autorCifrado.bytes;
  if (std::string problema = Conferir(registro, *frase.bytes, *autor.bytes); !problema.empty()) {
    return {std::nullopt, std::move(problema)};
  }
  return {std::move(registro), {}, *frase.bytes, *autor.bytes};
}

Empacotado Empacotar(std::string_view entradaUtf8) {
  Empacotado resultado;
  if (entradaUtf8.substr(0, 3) == "\xEF\xBB\xBF") entradaUtf8.remove_prefix(3);
  std::size_t numero = 0;
  while (!entradaUtf8.empty()) {
    ++numero;
    const std::size_t fim = entradaUtf8.find('\n');
    std::string_view linha = entradaUtf8.substr(0, fim);
    entradaUtf8.remove_prefix(fim == std::string_view::npos ? entradaUtf8.size() : fim + 1);
    if (!linha.empty() && linha.back() == '\r') linha.remove_suffix(1);
    if (linha.empty()) continue;
    const LinhaEmpacotada l = EmpacotarLinha(linha);
    if (!l.registro) {
      resultado.erros.push_back({numero, l.motivo});
      continue;
    }
    resultado.bytes += *l.registro + "\r\n";
    ++resultado.registros;
    resultado.textos.push_back({numero, l.frase, l.autor});
  }
  return resultado;
}

}  // namespace quillora
