#pragma once
// The shell over SHELL32 and USER32: the tray record, the popup menu and
// opening documents.
#include <windows.h>

#include "platform/shell.h"

namespace quillora {

class Win32Shell : public Shell {
 public:
  explicit Win32Shell(HICON iconeAplicacao) : iconeAplicacao_(iconeAplicacao) {}
  int ShellNotifyIcon(MensagemIcone mensagem, const RegistroIcone& registro) override;
  Hicon IconeAplicacao() override;
  std::optional<int> MostrarMenu(Hwnd dono, const std::vector<ItemMenu>& itens) override;
  void AbrirNoShell(Hwnd dono, const std::string& arquivo, const std::string& pasta,
                    int mostrar) override;

 private:
  HICON iconeAplicacao_;
};

}  // namespace quillora
