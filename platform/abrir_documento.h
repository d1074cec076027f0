#pragma once
// The program's one way of opening a document (a mailto: or web address).
#include <string>

#include "platform/shell.h"

namespace quillora {

// Hands the Windows-1252 address to the shell for its default program, on
// behalf of window `dono`: no verb, no parameters, the folder "c:\", show
// value -1. The result is not examined.
void AbrirDocumento(Shell& shell, Hwnd dono, const std::string& endereco);

}  // namespace quillora
