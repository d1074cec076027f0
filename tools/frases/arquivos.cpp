#include "tools/frases/arquivos.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace quillora {
namespace {

std::filesystem::path CaminhoUtf8(const std::string& caminho) {
  return std::filesystem::path(std::u8string(caminho.begin(), caminho.end()));
}

}  // namespace

std::optional<std::string> LerArquivo(const std::string& caminho) {
  std::ifstream in(CaminhoUtf8(caminho), std::ios::binary);
  if (!in) return std::nullopt;
  std::string conteudo(std::istreambuf_iterator<char>(in), {});
  if (in.bad()) return std::nullopt;
  return conteudo;
}

std::string GravarAtomico(const std::string& caminho, const std::string& bytes) {
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
      std::error_code ignorado;
      fs::remove(temporario, ignorado);
      return "não foi possível gravar " + nomeTemporario;
    }
  }
  std::error_code ec;
  fs::rename(temporario, destino, ec);
  if (ec) {
    const std::string erro = "não foi possível substituir " + caminho + ": " + ec.message();
    fs::remove(temporario, ec);
    return erro;
  }
  return {};
}

}  // namespace quillora
