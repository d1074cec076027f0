#include "platform/abrir_documento.h"

namespace quillora {
namespace {

constexpr char kPastaShell[] = "c:\\";
constexpr int kMostrar = -1;

}  // namespace

void AbrirDocumento(Shell& shell, Hwnd dono, const std::string& endereco) {
  shell.AbrirNoShell(dono, endereco, kPastaShell, kMostrar);
}

}  // namespace quillora
