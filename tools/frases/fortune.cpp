#include "tools/frases/fortune.h"

#include "platform/cp1252.h"
#include "platform/utf8.h"

namespace quillora {
namespace {

bool Utf8Valido(std::string_view s) {
  std::size_t i = 0;
  char32_t c = 0;
  while (i < s.size()) {
    if (!LerUtf8(s, i, c)) return false;
  }
  return true;
}

bool Branco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v'; }

std::string_view Aparar(std::string_view s) {
  while (!s.empty() && Branco(s.front())) s.remove_prefix(1);
  while (!s.empty() && Branco(s.back())) s.remove_suffix(1);
  return s;
}

// The attribution's text without its dash, or nothing for a line that is
// not one.
std::optional<std::string_view> Atribuicao(std::string_view linha) {
  for (std::string_view traco : {"--", "\xE2\x80\x94", "\xE2\x80\x95"}) {  // --, —, ―
    if (linha.substr(0, traco.size()) == traco) {
      linha.remove_prefix(traco.size());
      while (!linha.empty() && (linha.front() == '-' || Branco(linha.front()))) {
        linha.remove_prefix(1);
      }
      return linha;
    }
  }
  return std::nullopt;
}

// Appends the words of `linha` to `texto`, one space between words.
void JuntarPalavras(std::string& texto, std::string_view linha) {
  std::size_t i = 0;
  while (i < linha.size()) {
    while (i < linha.size() && Branco(linha[i])) ++i;
    const std::size_t inicio = i;
    while (i < linha.size() && !Branco(linha[i])) ++i;
    if (i == inicio) break;
    if (!texto.empty()) texto += ' ';
    texto.append(linha.substr(inicio, i - inicio));
  }
}

// `primeira` is the line number of linhas[0] in its file.
std::optional<RegistroFortune> Registro(const std::vector<std::string_view>& linhas,
                                        std::size_t numero, std::size_t primeira) {
  std::size_t inicio = 0, fim = linhas.size();
  while (fim > 0 && Aparar(linhas[fim - 1]).empty()) --fim;
  while (inicio < fim && Aparar(linhas[inicio]).empty()) ++inicio;
  RegistroFortune r;
  r.numero = numero;
  r.linha = primeira + inicio;
  if (fim > 0) {
    if (const auto autor = Atribuicao(Aparar(linhas[fim - 1]))) {
      r.autor.emplace();
      JuntarPalavras(*r.autor, *autor);
      --fim;
    }
  }
  for (std::size_t i = inicio; i < fim; ++i) JuntarPalavras(r.frase, linhas[i]);
  if (r.frase.empty() && !r.autor) return std::nullopt;
  return r;
}

}  // namespace

ArquivoFortune LerFortune(std::string_view bytes) {
  ArquivoFortune arquivo;
  std::string convertido;
  if (!Utf8Valido(bytes)) {
    convertido = Cp1252ParaUtf8(bytes);
    bytes = convertido;
    arquivo.cp1252 = true;
  }
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  std::vector<std::string_view> linhas;
  std::size_t numero = 0, lidas = 0;
  auto fechar = [&] {
    if (auto r = Registro(linhas, numero + 1, lidas - linhas.size())) {
      ++numero;
      arquivo.registros.push_back(std::move(*r));
    }
    linhas.clear();
  };
  while (!bytes.empty()) {
    const std::size_t fim = bytes.find('\n');
    const std::string_view linha = bytes.substr(0, fim);
    bytes.remove_prefix(fim == std::string_view::npos ? bytes.size() : fim + 1);
    ++lidas;
    if (Aparar(linha) == "%") {
      fechar();
    } else {
      linhas.push_back(linha);
    }
  }
  ++lidas;
  fechar();
  return arquivo;
}

}  // namespace quillora
