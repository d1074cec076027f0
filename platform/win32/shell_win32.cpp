#include "platform/win32/shell_win32.h"

#include <shellapi.h>

#include <cstddef>

#include "platform/win32/dpi_win32.h"
#include "platform/win32/largo.h"
#include "platform/win32/objetos_win32.h"

namespace quillora {
namespace {

HWND Janela(Hwnd h) { return reinterpret_cast<HWND>(h.valor); }

}  // namespace

#ifndef _WIN64
// In the 32-bit program this is the 88-byte record, field for field.
static_assert(NOTIFYICONDATAA_V1_SIZE == 88);
static_assert(offsetof(NOTIFYICONDATAA, hIcon) == 20 && offsetof(NOTIFYICONDATAA, szTip) == 24);
#endif

int Win32Shell::ShellNotifyIcon(MensagemIcone mensagem, const RegistroIcone& r) {
  NOTIFYICONDATAA nid{};
  nid.cbSize = NOTIFYICONDATAA_V1_SIZE;  // 88 bytes in the 32-bit program
  nid.hWnd = Janela(r.hWnd);
  nid.uID = r.uID;
  nid.uFlags = r.uFlags;
  nid.uCallbackMessage = r.uCallbackMessage;
  nid.hIcon = reinterpret_cast<HICON>(r.hIcon.valor);
  static_assert(sizeof r.szTip == 64);
  for (int i = 0; i < 64; ++i) nid.szTip[i] = r.szTip[i];
  return Shell_NotifyIconA(mensagem == MensagemIcone::kNimAdd ? NIM_ADD : NIM_DELETE, &nid);
}

Hicon Win32Shell::IconeAplicacao(int pontosPorPolegada) {
  const HICON icone = icones_.Icone(idIcone_, MetricaParaDpi(SM_CXSMICON, pontosPorPolegada));
  return Hicon{reinterpret_cast<std::uintptr_t>(icone)};
}

// The host is brought to the foreground first and sent a null message
// after, so that the menu closes when the user clicks elsewhere.
std::optional<int> Win32Shell::MostrarMenu(Hwnd dono, const std::vector<ItemMenu>& itens) {
  const MenuPopup popup;
  if (popup.get() == nullptr) return std::nullopt;
  for (std::size_t i = 0; i < itens.size(); ++i) {
    AppendMenuW(popup.get(), MF_STRING | (itens[i].marcado ? MF_CHECKED : MF_UNCHECKED), i + 1,
                Largo(itens[i].legenda).c_str());
  }
  HWND janela = Janela(dono);
  POINT p{};
  GetCursorPos(&p);
  SetForegroundWindow(janela);
  const int escolha = TrackPopupMenu(popup.get(), TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD |
                                                      TPM_NONOTIFY,
                                     p.x, p.y, 0, janela, nullptr);
  PostMessageW(janela, WM_NULL, 0, 0);
  if (escolha == 0) return std::nullopt;
  return escolha - 1;
}

// The address goes to the shell as UTF-16 made from Windows-1252, so that
// its accented letters survive whatever the system code page is.
void Win32Shell::AbrirNoShell(Hwnd dono, const std::string& arquivo, const std::string& pasta,
                              int mostrar) {
  ShellExecuteW(Janela(dono), nullptr, Largo(arquivo).c_str(), nullptr, Largo(pasta).c_str(),
                mostrar);
}

}  // namespace quillora
