#include "tools/frases/comandos.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>

#include "phrases/textos.h"
#include "phrases/decifrar.h"
#include "phrases/registro.h"
#include "phrases/sorteio.h"
#include "platform/cp1252.h"
#include "platform/utf8.h"
#include "tools/frases/empacotar.h"

namespace quillora {
namespace {

constexpr char kUso[] =
    "uso: quillora-frases COMANDO ...\n"
    "  pack ENTRADA SAIDA  cifra 'frase<TAB>autor' (UTF-8) em SAIDA (dados.lst)\n"
    "  list ARQUIVO        lista cada registro decifrado, em UTF-8\n"
    "  check ARQUIVO       conta registros e linhas com defeito\n"
    "  draw ARQUIVO        sorteia um registro como o programa\n"
    "  decode CHAVE        decifra um campo lido da entrada padrao\n";

// File names arrive as UTF-8 on every system.
std::filesystem::path CaminhoUtf8(const std::string& caminho) {
  return std::filesystem::path(std::u8string(caminho.begin(), caminho.end()));
}

bool LerArquivo(const std::string& caminho, std::string& conteudo) {
  std::ifstream in(CaminhoUtf8(caminho), std::ios::binary);
  if (!in) return false;
  conteudo.assign(std::istreambuf_iterator<char>(in), {});
  return !in.bad();
}

// Writes beside the target and renames over it, so OUT is either the old
// file or the complete new one.
bool GravarAtomico(const std::string& caminho, const std::string& bytes,
                   std::string& erro) {
  namespace fs = std::filesystem;
  std::random_device semente;
  const std::string nomeTemporario = caminho + ".tmp-" + std::to_string(semente());
  const fs::path destino = CaminhoUtf8(caminho);
  const fs::path temporario = CaminhoUtf8(nomeTemporario);
  {
    std::ofstream out(temporario, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      erro = "não foi possível gravar " + nomeTemporario;
      std::error_code ignorado;
      fs::remove(temporario, ignorado);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temporario, destino, ec);
  if (ec) {
    erro = "não foi possível substituir " + caminho + ": " + ec.message();
    fs::remove(temporario, ec);
    return false;
  }
  return true;
}

struct Contagem {
  long registros = 0;
  long defeituosas = 0;
};

// Walks the file with the program's own reader; `aCada` sees each record.
bool PercorrerRegistros(Runtime& rt, const std::string& arquivo,
                        std::ostream& err, Contagem& contagem,
                        void (*aCada)(const std::string&, std::ostream&),
                        std::ostream& out) {
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
    if (aCada) aCada(linha, out);
  }
  fluxo->Close();
  if (fluxo->Failed()) {
    err << arquivo << ": erro de leitura\n";
    return false;
  }
  return true;
}

void ImprimirRegistro(const std::string& registro, std::ostream& out) {
  std::string frase = registro;
  std::string autorBruto;
  DividirRegistro(frase, autorBruto);
  const std::string autor = Decifrar(autorBruto, textos::kChaveAutor);
  out << Cp1252ParaUtf8(Decifrar(frase, ChaveDaFrase(autor))) << '\t'
      << Cp1252ParaUtf8(autor) << '\n';
}

}  // namespace

int ComandoPack(const std::string& entrada, const std::string& saida,
                std::ostream& err) {
  std::string texto;
  if (!LerArquivo(entrada, texto)) {
    err << entrada << ": não foi possível ler\n";
    return kSaidaDados;
  }
  const Empacotado pacote = Empacotar(texto);
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
  std::string erro;
  if (!GravarAtomico(saida, pacote.bytes, erro)) {
    err << erro << '\n';
    return kSaidaDados;
  }
  err << pacote.registros << " registros gravados em " << saida << '\n';
  return kSaidaOk;
}

int ComandoList(Runtime& rt, const std::string& arquivo, std::ostream& out,
                std::ostream& err) {
  Contagem contagem;
  const bool lido = PercorrerRegistros(rt, arquivo, err, contagem,
                                       ImprimirRegistro, out);
  return lido && contagem.registros > 0 ? kSaidaOk : kSaidaDados;
}

int ComandoCheck(Runtime& rt, const std::string& arquivo, std::ostream& out,
                 std::ostream& err) {
  Contagem contagem;
  const bool lido = PercorrerRegistros(rt, arquivo, err, contagem, nullptr, out);
  out << "registros: " << contagem.registros << '\n'
      << "linhas com defeito: " << contagem.defeituosas << '\n';
  if (lido && contagem.registros == 0) {
    err << arquivo << ": nenhum registro; o programa não poderia usá-lo\n";
  }
  return lido && contagem.registros > 0 ? kSaidaOk : kSaidaDados;
}

int ComandoDraw(Runtime& rt, const std::string& arquivo, std::ostream& out,
                std::ostream& err) {
  EstadoSorteio estado;
  const Sorteio resultado =
      SortearRegistro(rt, estado, [&arquivo] { return Utf8ParaUtf16(arquivo); });
  if (resultado != Sorteio::Ok) {
    std::string mensagem = MensagemDeFalha(resultado);
    mensagem.replace(mensagem.find("\r\n"), 2, " ");
    err << arquivo << ": " << Cp1252ParaUtf8(mensagem) << '\n';
    return kSaidaDados;
  }
  const FraseDecifrada frase = DecifrarRegistro(estado);
  FecharArquivos(estado);
  out << Cp1252ParaUtf8(frase.frase) << '\n'
      << "  \xE2\x80\x94 " << Cp1252ParaUtf8(frase.autor) << '\n';
  return kSaidaOk;
}

int ComandoDecode(const std::string& chaveUtf8, std::istream& in,
                  std::ostream& out, std::ostream& err) {
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
  const std::string comando = argc > 1 ? argv[1] : "";
  if (comando == "pack" && argc == 4) return ComandoPack(argv[2], argv[3], std::cerr);
  if (comando == "list" && argc == 3) return ComandoList(rt, argv[2], std::cout, std::cerr);
  if (comando == "check" && argc == 3) return ComandoCheck(rt, argv[2], std::cout, std::cerr);
  if (comando == "draw" && argc == 3) return ComandoDraw(rt, argv[2], std::cout, std::cerr);
  if (comando == "decode" && argc == 3) {
    return ComandoDecode(argv[2], std::cin, std::cout, std::cerr);
  }
  std::cerr << kUso;
  return kSaidaUso;
}

}  // namespace quillora
