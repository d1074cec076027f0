// quillora-frases importar: quotation files in the fortune format turned
// into phrase lines, or into a finished dados.lst.
#include <ostream>

#include "tools/frases/arquivos.h"
#include "tools/frases/comandos.h"
#include "tools/frases/empacotar.h"
#include "tools/frases/fortune.h"

namespace quillora {
namespace {

struct Importacao {
  long lidos = 0, gravados = 0, naoGravaveis = 0, naoCabem = 0;
  bool falhouLeitura = false;
  std::string texto;  // "phrase<TAB>author" lines, UTF-8
  std::string lst;    // the records, CR LF lines
};

void ImportarRegistro(const std::string& arquivo, const RegistroFortune& r, const OpcoesImportar& o,
                      Medidor* medidor, Importacao& im, std::ostream& err) {
  ++im.lidos;
  const std::string onde =
      arquivo + ":" + std::to_string(r.linha) + ": registro " + std::to_string(r.numero) + ": ";
  if (r.frase.empty()) {
    err << onde << "frase vazia\n";
    ++im.naoGravaveis;
    return;
  }
  const std::string autor = r.autor && !r.autor->empty() ? *r.autor : o.autor;
  const std::string linha = r.frase + '\t' + autor;
  const LinhaEmpacotada l = EmpacotarLinha(linha);
  if (!l.registro) {
    err << onde << l.motivo << '\n';
    ++im.naoGravaveis;
    return;
  }
  if (medidor != nullptr) {
    if (const auto e = Medir(*medidor, l.frase, l.autor)) {
      err << onde << "não cabe no quadro: " << DescreverExcesso(*e) << (o.todas ? " (mantido)" : "")
          << '\n';
      ++im.naoCabem;
      if (!o.todas) return;
    }
  }
  im.texto += linha + '\n';
  im.lst += *l.registro + "\r\n";
  ++im.gravados;
}

void ImportarArquivo(const std::string& arquivo, const OpcoesImportar& o, Medidor* medidor,
                     Importacao& im, std::ostream& err) {
  const std::optional<std::string> bytes = LerArquivo(arquivo);
  if (!bytes) {
    err << arquivo << ": não foi possível ler\n";
    im.falhouLeitura = true;
    return;
  }
  const ArquivoFortune f = LerFortune(*bytes);
  if (f.cp1252) err << arquivo << ": não é UTF-8; lido como Windows-1252\n";
  for (const RegistroFortune& r : f.registros) ImportarRegistro(arquivo, r, o, medidor, im, err);
}

void Resumir(const Importacao& im, bool todas, std::ostream& err) {
  const long deFora = im.lidos - im.gravados;
  err << im.lidos << " registros lidos, " << im.gravados << " gravados, " << deFora
      << " deixados de fora";
  if (deFora > 0) {
    err << " (" << im.naoGravaveis << " não podem ser gravados, " << (todas ? 0 : im.naoCabem)
        << " não cabem no quadro)";
  }
  if (todas && im.naoCabem > 0) {
    err << "; " << im.naoCabem << " não cabem no quadro, mantidos (--todas)";
  }
  err << '\n';
}

}  // namespace

int ComandoImportar(const OpcoesImportar& o, Medidor* medidor, std::ostream& out,
                    std::ostream& err) {
  Importacao im;
  for (const std::string& arquivo : o.entradas) ImportarArquivo(arquivo, o, medidor, im, err);
  Resumir(im, o.todas, err);
  if (im.falhouLeitura) {
    err << "nada foi gravado: há arquivos que não puderam ser lidos\n";
    return kSaidaDados;
  }
  if (im.gravados == 0) {
    err << "nada foi gravado: nenhum registro pôde ser importado\n";
    return kSaidaDados;
  }
  for (const auto& [caminho, bytes] : {std::pair{o.lst, im.lst}, std::pair{o.saida, im.texto}}) {
    if (caminho.empty()) continue;
    if (const std::string erro = GravarAtomico(caminho, bytes); !erro.empty()) {
      err << erro << '\n';
      return kSaidaDados;
    }
  }
  if (o.saida.empty() && o.lst.empty()) out << im.texto;
  return im.gravados == im.lidos ? kSaidaOk : kSaidaDados;
}

}  // namespace quillora
