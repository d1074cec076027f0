#include "phrases/sorteio.h"

#include <cmath>
#include <optional>

#include "phrases/decifrar.h"
#include "phrases/registro.h"
#include "phrases/textos.h"

namespace quillora {
namespace {

Sorteio Falhar(EstadoSorteio& estado, Sorteio falha) {
  FecharArquivos(estado);
  return falha;
}

// First pass: the number of records (lines holding the separator); nothing
// when the read failed. Lines are not kept, so a huge line costs no memory.
std::optional<std::int64_t> ContarRegistros(TextStream& fluxo) {
  const std::int64_t total = fluxo.CountLinesHolding(kSeparador);
  if (fluxo.Failed()) return std::nullopt;
  return total;
}

struct Busca {
  std::int64_t passados;  // records passed before the one read
  bool achou;
};

// Second pass: passes the records before the drawn one without keeping
// them, then reads the drawn one into `linha`; nothing when the read failed.
// Counting the records passed lets a file that has shrunk in between stand
// in its last record.
std::optional<Busca> BuscarRegistro(TextStream& fluxo, std::int64_t numero, std::string& linha) {
  Busca busca{fluxo.CountLinesHolding(kSeparador, numero - 1), false};
  while (!busca.achou && !fluxo.AtEndOfStream()) {
    fluxo.ReadLineInto(linha);
    busca.achou = TemSeparador(linha);
  }
  if (fluxo.Failed()) return std::nullopt;
  return busca;
}

}  // namespace

std::u16string CaminhoDados(Runtime& rt) {
  return rt.AppPath() + u"\\" + textos::kNomeArquivoDados;
}

Sorteio SortearRegistro(Runtime& rt, EstadoSorteio& estado,
                        const FonteCaminho& caminho) {
  estado.fso = rt.CreateFileSystemObject();
  if (!estado.fso->FileExists(caminho())) {
    return Falhar(estado, Sorteio::ArquivoInexistente);
  }
  estado.fluxo = estado.fso->OpenTextFile(caminho());
  const std::optional<std::int64_t> total =
      estado.fluxo ? ContarRegistros(*estado.fluxo) : std::nullopt;
  if (!total) return Falhar(estado, Sorteio::Ilegivel);
  if (*total == 0) return Falhar(estado, Sorteio::SemFrases);

  rt.Randomize(rt.Timer());
  const double r = rt.Rnd();
  estado.numeroSorteado =
      static_cast<std::int64_t>(std::floor(static_cast<double>(*total) * r + 1));

  // The file can shrink between the passes: the drawn record then falls
  // past its end, and its last record stands in, read by one more pass.
  std::int64_t procurado = estado.numeroSorteado;
  for (;;) {
    estado.fluxo = estado.fso->OpenTextFile(caminho());
    const std::optional<Busca> busca =
        estado.fluxo ? BuscarRegistro(*estado.fluxo, procurado, estado.linhaRegistro)
                     : std::nullopt;
    if (!busca) return Falhar(estado, Sorteio::Ilegivel);
    if (busca->achou) break;
    if (busca->passados == 0) return Falhar(estado, Sorteio::SemFrases);
    procurado = busca->passados;
  }
  DividirRegistro(estado.linhaRegistro, estado.autorBruto);
  return Sorteio::Ok;
}

void FecharArquivos(EstadoSorteio& estado) {
  if (estado.fluxo) estado.fluxo->Close();
  estado.fluxo.reset();
  estado.fso.reset();
}

FraseDecifrada DecifrarCampos(const std::string& fraseBruta, const std::string& autorBruto) {
  FraseDecifrada saida;
  saida.autor = Decifrar(autorBruto, textos::kChaveAutor);
  saida.frase = Decifrar(fraseBruta, ChaveDaFrase(saida.autor));
  return saida;
}

FraseDecifrada DecifrarRegistro(const EstadoSorteio& estado) {
  return DecifrarCampos(estado.linhaRegistro, estado.autorBruto);
}

std::string MensagemDeFalha(Sorteio falha) {
  const char* primeira = textos::kArquivoInexistente;
  if (falha == Sorteio::SemFrases) primeira = textos::kArquivoSemFrases;
  if (falha == Sorteio::Ilegivel) primeira = textos::kArquivoIlegivel;
  return std::string(primeira) + "\r\n" + textos::kReinstale;
}

}  // namespace quillora
