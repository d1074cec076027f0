#pragma once
// The shell: the tray icon, the popup menu, and opening a document with its
// default program.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/handles.h"

namespace quillora {

enum class MensagemIcone { kNimAdd, kNimDelete };

// The tray icon's record, field for field the first, 88-byte form that the
// 32-bit program hands to the shell.
struct RegistroIcone {
  std::uint32_t cbSize = 0;
  Hwnd hWnd;
  std::uint32_t uID = 0;
  std::uint32_t uFlags = 0;
  std::uint32_t uCallbackMessage = 0;
  Hicon hIcon;
  char szTip[64] = {};  // Windows-1252
};

struct ItemMenu {
  std::string legenda;  // Windows-1252, '&' marks the access key
  bool marcado = false;
};

class Shell {
 public:
  virtual ~Shell() = default;
  virtual int ShellNotifyIcon(MensagemIcone mensagem, const RegistroIcone& registro) = 0;
  // The application icon at the tray's size for the dots per inch, from
  // its image nearest that size, scaled down smoothly.
  virtual Hicon IconeAplicacao(int pontosPorPolegada) = 0;
  // Pops the menu up at the pointer; the index picked, nothing when dismissed.
  virtual std::optional<int> MostrarMenu(Hwnd dono, const std::vector<ItemMenu>& itens) = 0;
  // Opens a Windows-1252 document (an address) with its default program.
  virtual void AbrirNoShell(Hwnd dono, const std::string& arquivo, const std::string& pasta,
                            int mostrar) = 0;
};

}  // namespace quillora
