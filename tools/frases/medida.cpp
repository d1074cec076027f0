#include "tools/frases/medida.h"

#include "board/rotulos_quadro.h"
#include "platform/cp1252.h"
#include "platform/escala.h"

namespace quillora {
namespace {

constexpr std::size_t kPalavrasDoInicio = 6;

// The first words of a Windows-1252 text, in UTF-8, with an ellipsis when
// there is more.
std::string Inicio(const std::string& frase) {
  std::size_t fim = 0, palavras = 0;
  while (fim < frase.size() && palavras < kPalavrasDoInicio) {
    fim = frase.find(' ', fim + 1);
    if (fim == std::string::npos) fim = frase.size();
    ++palavras;
  }
  const bool mais = fim < frase.size();
  return Cp1252ParaUtf8(frase.substr(0, fim)) + (mais ? " \xE2\x80\xA6" : "");
}

}  // namespace

int LarguraFrasePx() { return Escala(96, 96).Px(kLarguraFrase); }
int LarguraAutorPx() { return Escala(96, 96).Px(kLarguraAutor); }

Medida MedirRegistro(Medidor& medidor, const std::string& frase, const std::string& autor) {
  return {medidor.LinhasDaFrase(frase, LarguraFrasePx()), medidor.LarguraDoAutor(autor)};
}

std::optional<Excesso> Excede(const Medida& m, const std::string& frase) {
  Excesso e;
  e.linhas = m.linhas;
  e.sobraAutor = m.larguraAutor > LarguraAutorPx() ? m.larguraAutor - LarguraAutorPx() : 0;
  if (e.linhas <= kMaxLinhasFrase && e.sobraAutor == 0) return std::nullopt;
  e.inicio = Inicio(frase);
  return e;
}

std::optional<Excesso> Medir(Medidor& medidor, const std::string& frase, const std::string& autor) {
  return Excede(MedirRegistro(medidor, frase, autor), frase);
}

std::string DescreverExcesso(const Excesso& e) {
  std::string s;
  if (e.linhas > kMaxLinhasFrase) s = std::to_string(e.linhas) + " linhas (máximo 7)";
  if (e.sobraAutor > 0) {
    if (!s.empty()) s += ", ";
    s += "autor " + std::to_string(e.sobraAutor) + " px mais largo que o rótulo";
  }
  return s + ": " + e.inicio;
}

}  // namespace quillora
