#pragma once
// Whether a record fits the board as the board draws it at 96 dots per
// inch: the phrase wrapped at its label's width in at most seven lines, the
// author on one line of its label.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace quillora {

inline constexpr int kMaxLinhasFrase = 7;

// Measures Windows-1252 texts in the board's fonts at 96 dots per inch.
class Medidor {
 public:
  virtual ~Medidor() = default;
  // Lines of the phrase wrapped at `largura` pixels.
  virtual int LinhasDaFrase(const std::string& frase, int largura) = 0;
  // Width in pixels of the author on one line.
  virtual int LarguraDoAutor(const std::string& autor) = 0;
};

// The labels' widths at 96 dots per inch.
int LarguraFrasePx();
int LarguraAutorPx();

// A record as the board would draw it.
struct Medida {
  int linhas = 0;        // the phrase's wrapped lines
  int larguraAutor = 0;  // the author's width in pixels, on one line
};
Medida MedirRegistro(Medidor& medidor, const std::string& frase, const std::string& autor);

// What does not fit in one record.
struct Excesso {
  int linhas = 0;      // the phrase's lines
  int sobraAutor = 0;  // pixels of author past its label; 0 when it fits
  std::string inicio;  // the phrase's first words, UTF-8
};

// Nothing when the record fits.
std::optional<Excesso> Excede(const Medida& medida, const std::string& frase);
std::optional<Excesso> Medir(Medidor& medidor, const std::string& frase, const std::string& autor);

// "9 linhas", "autor 12 px mais largo que o rótulo", both joined; then the
// first words.
std::string DescreverExcesso(const Excesso& e);

// The measurer of this build, with the font files named (native build), or
// nothing and why.
struct OpcoesMedida {
  std::string fonteFrase, fonteAutor;  // UTF-8 paths; empty: the usual places
};
struct MedidorCriado {
  std::unique_ptr<Medidor> medidor;
  std::string motivo = {};  // UTF-8, when there is none
};
MedidorCriado CriarMedidor(const OpcoesMedida& opcoes);

}  // namespace quillora
