#include "tools/frases/comandos.h"

#include <functional>
#include <iostream>
#include <iterator>

#include "phrases/decifrar.h"
#include "phrases/registro.h"
#include "phrases/sorteio.h"
#include "phrases/textos.h"
#include "platform/cp1252.h"
#include "platform/utf8.h"
#include "tools/frases/argumentos.h"
#include "tools/frases/arquivos.h"
#include "tools/frases/empacotar.h"

namespace quillora {
namespace {

constexpr char kUso[] =
    "uso: quillora-frases COMANDO ...\n"
    "  pack ENTRADA SAIDA [--estrito]\n"
    "                      cifra 'frase<TAB>autor' (UTF-8) em SAIDA (dados.lst); com\n"
    "                      --estrito nada grava se alguma frase não couber no quadro\n"
    "  list ARQUIVO        lista cada registro decifrado, em UTF-8\n"
    "  check ARQUIVO [--medidas]\n"
    "                      conta registros e linhas com defeito e mede cada frase\n"
    "                      como o quadro a mostra (até 7 linhas, autor numa linha);\n"
    "                      com --medidas, as linhas e a largura do autor de cada uma\n"
    "  draw ARQUIVO        sorteia um registro como o programa\n"
    "  decode CHAVE        decifra um campo lido da entrada padrão\n"
    "  importar ENTRADA... [-o SAIDA] [--lst ARQUIVO] [--autor TEXTO] [--todas]\n"
    "                      lê citações no formato do fortune (registros separados\n"
    "                      por '%', a última linha '-- Autor') e grava linhas\n"
    "                      'frase<TAB>autor' em SAIDA (ou na saída padrão) e, com\n"
    "                      --lst, um dados.lst pronto; os registros que não cabem\n"
    "                      ficam de fora, a não ser com --todas; sem autor, TEXTO\n"
    "                      (\"Anônimo\")\n"
    "  pack, check e importar aceitam --fonte-frase TTF e --fonte-autor TTF (Arial\n"
    "  Negrito e Negrito Itálico, ou as equivalentes) para medir as frases.\n";

struct Contagem {
  long registros = 0;
  long defeituosas = 0;
};

// Walks the file with the program's own reader; `aCada` sees each record
// and its line number.
bool PercorrerRegistros(Runtime& rt, const std::string& arquivo, std::ostream& err,
                        Contagem& contagem,
                        const std::function<void(const std::string&, long)>& aCada) {
  auto fso = rt.CreateFileSystemObject();
  const std::u16string caminho = Utf8ParaUtf16(arquivo);
  if (!fso->FileExists(caminho)) {
    err << arquivo << ": arquivo inexistente\n";
    return false;
  }
  auto fluxo = fso->OpenTextFile(caminho);
  if (!fluxo) {
    err << arquivo << ": não foi possível abrir\n";
    return false;
  }
  std::string linha;
  long numero = 0;
  while (!fluxo->AtEndOfStream()) {
    fluxo->ReadLineInto(linha);
    ++numero;
    if (!TemSeparador(linha)) {
      ++contagem.defeituosas;
      err << "linha " << numero << ": sem separador, não é um registro\n";
      continue;
    }
    ++contagem.registros;
    aCada(linha, numero);
  }
  fluxo->Close();
  if (fluxo->Failed()) {
    err << arquivo << ": erro de leitura\n";
    return false;
  }
  return true;
}

FraseDecifrada Decifrado(const std::string& registro) {
  std::string frase = registro;
  std::string autorBruto;
  DividirRegistro(frase, autorBruto);
  return DecifrarCampos(frase, autorBruto);
}

// The board's measure, for the commands that take one; without it they go
// on unmeasured, and say so.
std::unique_ptr<Medidor> MedidorDoComando(const LinhaDeComando& l) {
  MedidorCriado m = CriarMedidor({l.Valor("--fonte-frase"), l.Valor("--fonte-autor")});
  if (!m.medidor) std::cerr << "aviso: as frases não serão medidas: " << m.motivo << '\n';
  return std::move(m.medidor);
}

OpcoesImportar OpcoesDeImportar(const LinhaDeComando& l) {
  OpcoesImportar o;
  o.entradas = l.operandos;
  o.saida = l.Valor("-o");
  o.lst = l.Valor("--lst");
  if (l.valores.count("--autor")) o.autor = l.Valor("--autor");
  o.todas = l.Tem("--todas");
  return o;
}

// The command's exit status, or nothing when its operands are wrong.
std::optional<int> Comando(const LinhaDeComando& l, Runtime& rt) {
  const std::string& c = l.comando;
  const std::vector<std::string>& op = l.operandos;
  if (c == "list" && op.size() == 1) return ComandoList(rt, op[0], std::cout, std::cerr);
  if (c == "draw" && op.size() == 1) return ComandoDraw(rt, op[0], std::cout, std::cerr);
  if (c == "decode" && op.size() == 1) return ComandoDecode(op[0], std::cin, std::cout, std::cerr);
  const bool pack = c == "pack" && op.size() == 2;
  const bool check = c == "check" && op.size() == 1;
  const bool importar = c == "importar" && !op.empty();
  if (!pack && !check && !importar) return std::nullopt;
  const std::unique_ptr<Medidor> medidor = MedidorDoComando(l);
  if (pack) return ComandoPack(op[0], op[1], medidor.get(), l.Tem("--estrito"), std::cerr);
  if (check) {
    return ComandoCheck(rt, op[0], medidor.get(), l.Tem("--medidas"), std::cout, std::cerr);
  }
  return ComandoImportar(OpcoesDeImportar(l), medidor.get(), std::cout, std::cerr);
}

}  // namespace

int ComandoPack(const std::string& entrada, const std::string& saida, Medidor* medidor,
                bool estrito, std::ostream& err) {
  const std::optional<std::string> texto = LerArquivo(entrada);
  if (!texto) {
    err << entrada << ": não foi possível ler\n";
    return kSaidaDados;
  }
  const Empacotado pacote = Empacotar(*texto);
  for (const ErroDeLinha& e : pacote.erros) {
    err << entrada << ":" << e.linha << ": " << e.motivo << '\n';
  }
  if (!pacote.erros.empty()) {
    err << "nada foi gravado: " << pacote.erros.size() << " linha(s) com erro\n";
    return kSaidaDados;
  }
  if (pacote.registros == 0) {
    err << entrada << ": nenhuma frase; nada foi gravado\n";
    return kSaidaDados;
  }
  if (estrito && medidor == nullptr) {
    err << "nada foi gravado: sem medir as frases, --estrito não pode garantir que cabem\n";
    return kSaidaDados;
  }
  long naoCabem = 0;
  for (const TextosDeLinha& t : pacote.textos) {
    if (medidor == nullptr) break;
    if (const auto e = Medir(*medidor, t.frase, t.autor)) {
      err << entrada << ":" << t.linha << ": não cabe no quadro: " << DescreverExcesso(*e) << '\n';
      ++naoCabem;
    }
  }
  if (estrito && naoCabem > 0) {
    err << "nada foi gravado: " << naoCabem << " frase(s) não cabem no quadro (--estrito)\n";
    return kSaidaDados;
  }
  if (const std::string erro = GravarAtomico(saida, pacote.bytes); !erro.empty()) {
    err << erro << '\n';
    return kSaidaDados;
  }
  err << pacote.registros << " registros gravados em " << saida;
  if (naoCabem > 0) err << "; " << naoCabem << " não cabem no quadro";
  err << '\n';
  return kSaidaOk;
}

int ComandoList(Runtime& rt, const std::string& arquivo, std::ostream& out, std::ostream& err) {
  Contagem contagem;
  const bool lido =
      PercorrerRegistros(rt, arquivo, err, contagem, [&out](const std::string& r, long) {
        const FraseDecifrada f = Decifrado(r);
        out << Cp1252ParaUtf8(f.frase) << '\t' << Cp1252ParaUtf8(f.autor) << '\n';
      });
  return lido && contagem.registros > 0 ? kSaidaOk : kSaidaDados;
}

int ComandoCheck(Runtime& rt, const std::string& arquivo, Medidor* medidor, bool medidas,
                 std::ostream& out, std::ostream& err) {
  Contagem contagem;
  long naoCabem = 0;
  const bool lido =
      PercorrerRegistros(rt, arquivo, err, contagem, [&](const std::string& r, long linha) {
        if (medidor == nullptr) return;
        const FraseDecifrada f = Decifrado(r);
        const std::string onde = "registro " + std::to_string(contagem.registros) + " (linha " +
                                 std::to_string(linha) + "): ";
        const Medida m = MedirRegistro(*medidor, f.frase, f.autor);
        if (medidas) out << onde << m.linhas << " linhas, autor " << m.larguraAutor << " px\n";
        if (const auto e = Excede(m, f.frase)) {
          out << onde << DescreverExcesso(*e) << '\n';
          ++naoCabem;
        }
      });
  out << "registros: " << contagem.registros << '\n'
      << "linhas com defeito: " << contagem.defeituosas << '\n';
  if (medidor != nullptr) out << "n\xC3\xA3o cabem no quadro: " << naoCabem << '\n';
  if (lido && contagem.registros == 0) {
    err << arquivo << ": nenhum registro; o programa não poderia usá-lo\n";
  }
  return lido && contagem.registros > 0 && naoCabem == 0 ? kSaidaOk : kSaidaDados;
}

int ComandoDraw(Runtime& rt, const std::string& arquivo, std::ostream& out, std::ostream& err) {
  EstadoSorteio estado;
  const Sorteio resultado =
      SortearRegistro(rt, estado, [&arquivo] { return Utf8ParaUtf16(arquivo); });
  if (resultado != Sorteio::Ok) {
    std::string mensagem = MensagemDeFalha(resultado);
    if (const std::size_t quebra = mensagem.find("\r\n"); quebra != std::string::npos) {
      mensagem = mensagem.substr(0, quebra) + ' ' + mensagem.substr(quebra + 2);
    }
    err << arquivo << ": " << Cp1252ParaUtf8(mensagem) << '\n';
    return kSaidaDados;
  }
  const FraseDecifrada frase = DecifrarRegistro(estado);
  FecharArquivos(estado);
  out << Cp1252ParaUtf8(frase.frase) << '\n'
      << "  \xE2\x80\x94 " << Cp1252ParaUtf8(frase.autor) << '\n';
  return kSaidaOk;
}

int ComandoDecode(const std::string& chaveUtf8, std::istream& in, std::ostream& out,
                  std::ostream& err) {
  const ConversaoCp1252 chave = Utf8ParaCp1252(chaveUtf8);
  if (!chave.texto) {
    err << "chave: " << chave.erro << " (caractere " << chave.coluna << ")\n";
    return kSaidaUso;
  }
  const std::string campo(std::istreambuf_iterator<char>(in), {});
  out << Decifrar(campo, *chave.texto);
  return kSaidaOk;
}

int Executar(int argc, char** argv, Runtime& rt) {
  const std::set<std::string> fontes = {"--fonte-frase", "--fonte-autor"};
  std::set<std::string> importar = fontes;
  importar.insert({"-o", "--lst", "--autor"});
  const std::map<std::string, Aceitas> aceitas = {{"pack", {fontes, {"--estrito"}}},
                                                  {"check", {fontes, {"--medidas"}}},
                                                  {"list", {}},
                                                  {"draw", {}},
                                                  {"decode", {}},
                                                  {"importar", {importar, {"--todas"}}}};
  const std::optional<LinhaDeComando> l =
      LerLinhaDeComando(std::vector<std::string>(argv + std::min(argc, 1), argv + argc), aceitas);
  if (const std::optional<int> status = l ? Comando(*l, rt) : std::nullopt) return *status;
  std::cerr << kUso;
  return kSaidaUso;
}

}  // namespace quillora
