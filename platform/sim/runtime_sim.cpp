#include "platform/sim/runtime_sim.h"

#include <algorithm>
#include <cstring>

#include "platform/line_stream.h"
#include "platform/utf8.h"

namespace quillora {
namespace {

class SimSource : public FileSource {
 public:
  SimSource(SimRuntime& rt, std::string bytes) : rt_(rt), bytes_(std::move(bytes)) {
    ++rt_.arquivosAbertos;
  }
  ~SimSource() override { Close(); }
  SimSource(const SimSource&) = delete;
  SimSource& operator=(const SimSource&) = delete;

  long Read(char* buffer, std::size_t size) override {
    if (!open_) return 0;
    if (rt_.falharLeituraAposBytes >= 0 &&
        pos_ >= static_cast<std::size_t>(rt_.falharLeituraAposBytes)) {
      return -1;
    }
    const std::size_t n =
        std::min({size, rt_.bytesPorLeitura, bytes_.size() - pos_});
    std::memcpy(buffer, bytes_.data() + pos_, n);
    pos_ += n;
    return static_cast<long>(n);
  }
  void Close() override {
    if (open_) --rt_.arquivosAbertos;
    open_ = false;
  }

 private:
  SimRuntime& rt_;
  std::string bytes_;
  std::size_t pos_ = 0;
  bool open_ = true;
};

class SimStream : public LineStream {
 public:
  SimStream(SimRuntime& rt, std::string bytes)
      : LineStream(std::make_unique<SimSource>(rt, std::move(bytes))), rt_(rt) {
    ++rt_.fluxosVivos;
  }
  ~SimStream() override { --rt_.fluxosVivos; }
  SimStream(const SimStream&) = delete;
  SimStream& operator=(const SimStream&) = delete;

 private:
  SimRuntime& rt_;
};

class SimFileSystem : public FileSystemObject {
 public:
  explicit SimFileSystem(SimRuntime& rt) : rt_(rt) { ++rt_.fsosVivos; }
  ~SimFileSystem() override { --rt_.fsosVivos; }
  SimFileSystem(const SimFileSystem&) = delete;
  SimFileSystem& operator=(const SimFileSystem&) = delete;

  bool FileExists(const std::u16string& caminho) override {
    const std::string path = Utf16ParaUtf8(caminho);
    rt_.chamadas.push_back("FileExists " + path);
    return rt_.arquivos.count(path) != 0 && rt_.pastas.count(path) == 0;
  }
  std::unique_ptr<TextStream> OpenTextFile(const std::u16string& caminho) override {
    const std::string path = Utf16ParaUtf8(caminho);
    rt_.chamadas.push_back("OpenTextFile " + path);
    ++rt_.aberturas;
    if (rt_.aoAbrir) rt_.aoAbrir(rt_.aberturas);
    const auto it = rt_.arquivos.find(path);
    if (it == rt_.arquivos.end() || rt_.naoAbrem.count(path) != 0) return nullptr;
    return std::make_unique<SimStream>(rt_, it->second);
  }

 private:
  SimRuntime& rt_;
};

}  // namespace

std::u16string SimRuntime::AppPath() {
  chamadas.push_back("AppPath");
  return Utf8ParaUtf16(appPath);
}

std::unique_ptr<FileSystemObject> SimRuntime::CreateFileSystemObject() {
  chamadas.push_back("CreateFileSystemObject");
  return std::make_unique<SimFileSystem>(*this);
}

double SimRuntime::Timer() {
  chamadas.push_back("Timer");
  return relogio;
}

void SimRuntime::Randomize(double seed) {
  chamadas.push_back("Randomize");
  sementes.push_back(seed);
}

double SimRuntime::Rnd() {
  chamadas.push_back("Rnd");
  if (sorteios.empty()) return 0.0;
  const double r = sorteios.front();
  sorteios.pop_front();
  return r;
}

void SimRuntime::MsgBox(const std::string& text, int style, const std::string& title) {
  chamadas.push_back("MsgBox");
  mensagens.push_back({text, style, title});
  if (duranteMensagem) duranteMensagem();
}

void SimRuntime::End() {
  chamadas.push_back("End");
  throw ProgramaEncerrado{};
}

}  // namespace quillora
