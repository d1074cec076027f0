#include "tools/frases/empacotar.h"

#include "phrases/textos.h"
#include "phrases/decifrar.h"
#include "phrases/registro.h"
#include "platform/cp1252.h"
#include "tools/frases/cifrar.h"

namespace quillora {
namespace {

bool ParaCp1252(std::string_view utf8, const char* campo, std::string& saida,
                std::string& motivo) {
  const ConversaoCp1252 r = Utf8ParaCp1252(utf8);
  if (r.texto) {
    saida = *r.texto;
    return true;
  }
  motivo = r.erro + " no " + campo + " (caractere " + std::to_string(r.coluna) + ")";
  return false;
}

bool CifrarCampo(const std::string& texto, std::string_view chave,
                 const char* campo, std::string& saida, std::string& motivo) {
  std::size_t ruim = 0;
  if (!Cifrar(texto, chave, saida, ruim)) {
    motivo = std::string("código fora de 0 a 255 ao cifrar o ") + campo +
             " (caractere " + std::to_string(ruim) + ")";
    return false;
  }
  if (saida.find_first_of("\r\n") != std::string::npos) {
    motivo = std::string("o ") + campo + " cifrado teria um byte CR ou LF";
    return false;
  }
  return true;
}

// The record must split and decode back to exactly what went in.
bool Confere(const std::string& registro, const std::string& frase,
             const std::string& autor, std::string& motivo) {
  std::string linha = registro;
  std::string autorBruto;
  DividirRegistro(linha, autorBruto);
  if (linha.size() + kSeparador.size() + autorBruto.size() != registro.size() ||
      PosicaoSeparador(registro) != linha.size() + 1) {
    motivo = "a frase cifrada conteria o separador";
    return false;
  }
  const std::string autorLido = Decifrar(autorBruto, textos::kChaveAutor);
  if (autorLido != autor || Decifrar(linha, ChaveDaFrase(autorLido)) != frase) {
    motivo = "o registro não volta ao texto original";
    return false;
  }
  return true;
}

}  // namespace

bool EmpacotarLinha(std::string_view linhaUtf8, std::string& registro,
                    std::string& motivo) {
  const std::size_t tab = linhaUtf8.find('\t');
  if (tab == std::string_view::npos) {
    motivo = "falta a tabulação entre a frase e o autor";
    return false;
  }
  if (linhaUtf8.find('\t', tab + 1) != std::string_view::npos) {
    motivo = "mais de uma tabulação na linha";
    return false;
  }
  if (linhaUtf8.find('\r') != std::string_view::npos) {
    motivo = "byte CR no meio da linha";
    return false;
  }
  std::string frase, autor, fraseCifrada, autorCifrado;
  if (!ParaCp1252(linhaUtf8.substr(0, tab), "texto da frase", frase, motivo) ||
      !ParaCp1252(linhaUtf8.substr(tab + 1), "autor", autor, motivo) ||
      !CifrarCampo(autor, textos::kChaveAutor, "autor", autorCifrado, motivo) ||
      !CifrarCampo(frase, ChaveDaFrase(autor), "texto da frase", fraseCifrada,
                   motivo)) {
    return false;
  }
  registro = fraseCifrada;
  registro += kSeparador;
  registro += autorCifrado;
  return Confere(registro, frase, autor, motivo);
}

Empacotado Empacotar(std::string_view entradaUtf8) {
  Empacotado resultado;
  if (entradaUtf8.substr(0, 3) == "\xEF\xBB\xBF") entradaUtf8.remove_prefix(3);
  std::size_t numero = 0;
  while (!entradaUtf8.empty()) {
    ++numero;
    const std::size_t fim = entradaUtf8.find('\n');
    std::string_view linha = entradaUtf8.substr(0, fim);
    entradaUtf8.remove_prefix(fim == std::string_view::npos ? entradaUtf8.size()
                                                            : fim + 1);
    if (!linha.empty() && linha.back() == '\r') linha.remove_suffix(1);
    if (linha.empty()) continue;
    std::string registro, motivo;
    if (!EmpacotarLinha(linha, registro, motivo)) {
      resultado.erros.push_back({numero, motivo});
      continue;
    }
    resultado.bytes += registro + "\r\n";
    ++resultado.registros;
  }
  return resultado;
}

}  // namespace quillora
