#pragma once
// Simulated runtime services for tests: files live in memory, the clock and
// the generator are scripted, every call is recorded, and End() throws
// ProgramaEncerrado instead of ending the process.
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/runtime.h"

namespace quillora {

struct ProgramaEncerrado {};

struct MensagemMostrada {
  std::string texto;
  int estilo;
  std::string titulo;
};

class SimRuntime : public Runtime {
 public:
  // --- what a test sets up ---
  std::string appPath = "C:\\Quillora";      // UTF-8, handed out as UTF-16
  std::map<std::string, std::string> arquivos;  // UTF-8 path -> bytes
  std::set<std::string> pastas;
  std::set<std::string> naoAbrem;     // exist, but opening fails
  long falharLeituraAposBytes = -1;   // a read past this many bytes fails
  std::size_t bytesPorLeitura = 7;    // small reads split lines across them
  double relogio = 43200.5;
  std::deque<double> sorteios;        // values Rnd() returns, in order
  std::function<void(int)> aoAbrir;   // called with the open's number (1, 2, ...)
  bool outraCopia = false;
  // What the user does while a message box is up (its own message loop
  // still delivers the program's messages).
  std::function<void()> duranteMensagem;

  // --- what a test reads back ---
  std::vector<std::string> chamadas;
  std::vector<MensagemMostrada> mensagens;
  std::vector<double> sementes;
  int fsosVivos = 0;
  int fluxosVivos = 0;
  int arquivosAbertos = 0;  // opened and not yet closed
  int aberturas = 0;

  std::u16string AppPath() override;
  std::unique_ptr<FileSystemObject> CreateFileSystemObject() override;
  double Timer() override;
  void Randomize(double seed) override;
  double Rnd() override;
  void MsgBox(const std::string& text, int style, const std::string& title) override;
  bool PrevInstance() override { return outraCopia; }
  [[noreturn]] void End() override;
};

}  // namespace quillora
