#pragma once
// The shell over SHELL32 and USER32: the tray record, the popup menu and
// opening documents.
#include <windows.h>

#include "platform/shell.h"
#include "platform/win32/icones_win32.h"

namespace quillora {

class Win32Shell : public Shell {
 public:
  Win32Shell(IconesWin32& icones, int idIcone) : icones_(icones), idIcone_(idIcone) {}
  int ShellNotifyIcon(MensagemIcone mensagem, const RegistroIcone& registro) override;
  Hicon IconeAplicacao(int pontosPorPolegada) override;
  std::optional<int> MostrarMenu(Hwnd dono, const std::vector<ItemMenu>& itens) override;
  void AbrirNoShell(Hwnd dono, const std::string& arquivo, const std::string& pasta,
                    int mostrar) override;

 private:
  IconesWin32& icones_;
  int idIcone_;
};

}  // namespace quillora
