#include "phrases/sorteio.h"

#include <cmath>
#include <cstdlib>

#include "app/textos.h"
#include "phrases/decifrar.h"
#include "phrases/registro.h"

namespace quillora {
namespace {

Sorteio Falhar(EstadoSorteio& estado, Sorteio falha) {
  FecharArquivos(estado);
  return falha;
}

// First pass: the number of records (lines holding the separator).
// Lines are not kept, so a huge line costs no memory.
bool ContarRegistros(TextStream& fluxo, std::int64_t& total) {
  total = fluxo.CountLinesHolding(kSeparador);
  return !fluxo.Failed();
}

// Second pass: passes the records before the drawn one without keeping
// them, then reads the drawn one. `lidos` counts the records passed, so a
// file that has shrunk in between can stand in its last record.
bool BuscarRegistro(TextStream& fluxo, std::int64_t numero, std::string& linha,
                    std::int64_t& lidos, bool& achou) {
  lidos = fluxo.CountLinesHolding(kSeparador, numero - 1);
  achou = false;
  while (!achou && !fluxo.AtEndOfStream()) {
    fluxo.ReadLineInto(linha);
    achou = TemSeparador(linha);
  }
  return !fluxo.Failed();
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
  std::int64_t total = 0;
  if (!estado.fluxo || !ContarRegistros(*estado.fluxo, total)) {
    return Falhar(estado, Sorteio::Ilegivel);
  }
  if (total == 0) return Falhar(estado, Sorteio::SemFrases);

  rt.Randomize(rt.Timer());
  const double r = rt.Rnd();
  estado.numeroSorteado =
      static_cast<std::int64_t>(std::floor(static_cast<double>(total) * r + 1));

  // The file can shrink between the passes: the drawn record then falls
  // past its end, and its last record stands in, read by one more pass.
  std::int64_t procurado = estado.numeroSorteado;
  for (;;) {
    estado.fluxo = estado.fso->OpenTextFile(caminho());
    std::int64_t lidos = 0;
    bool achou = false;
    if (!estado.fluxo ||
        !BuscarRegistro(*estado.fluxo, procurado, estado.linhaRegistro, lidos, achou)) {
      return Falhar(estado, Sorteio::Ilegivel);
    }
    if (achou) break;
    if (lidos == 0) return Falhar(estado, Sorteio::SemFrases);
    procurado = lidos;
  }
  DividirRegistro(estado.linhaRegistro, estado.autorBruto);
  return Sorteio::Ok;
}

void FecharArquivos(EstadoSorteio& estado) {
  if (estado.fluxo) estado.fluxo->Close();
  estado.fluxo.reset();
  estado.fso.reset();
}

FraseDecifrada DecifrarRegistro(const EstadoSorteio& estado) {
  FraseDecifrada saida;
  saida.autor = Decifrar(estado.autorBruto, textos::kChaveAutor);
  saida.frase = Decifrar(estado.linhaRegistro, ChaveDaFrase(saida.autor));
  return saida;
}

std::string MensagemDeFalha(Sorteio falha) {
  const char* primeira = textos::kArquivoInexistente;
  if (falha == Sorteio::SemFrases) primeira = textos::kArquivoSemFrases;
  if (falha == Sorteio::Ilegivel) primeira = textos::kArquivoIlegivel;
  return std::string(primeira) + "\r\n" + textos::kReinstale;
}

void EncerrarPorFalha(Runtime& rt, Sorteio falha,
                      const std::function<void()>& antesDeEncerrar) {
  rt.MsgBox(MensagemDeFalha(falha), kMsgBoxCritical, textos::kTituloMensagem);
  if (antesDeEncerrar) antesDeEncerrar();
  rt.End();
  std::abort();  // not reached: End() does not return
}

}  // namespace quillora
