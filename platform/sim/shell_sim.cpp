// The simulator's shell: the tray, the popup menu and the documents opened.
#include "platform/sim/plataforma_sim.h"

namespace quillora {

int SimPlataforma::ShellNotifyIcon(MensagemIcone mensagem, const RegistroIcone& registro) {
  chamadas.push_back(chamada::Shell_NotifyIcon{mensagem, registro});
  const auto chave = std::make_pair(registro.hWnd, registro.uID);
  if (mensagem == MensagemIcone::kNimAdd) {
    if (icones.count(chave) != 0) return 0;  // the shell refuses a second add
    icones[chave] = registro;
    return 1;
  }
  return icones.erase(chave) == 1 ? 1 : 0;
}

std::optional<int> SimPlataforma::MostrarMenu(Hwnd dono, const std::vector<ItemMenu>& itens) {
  chamadas.push_back(chamada::TrackPopupMenu{dono, itens});
  if (escolhasMenu.empty()) return std::nullopt;
  const std::optional<int> escolha = escolhasMenu.front();
  escolhasMenu.pop_front();
  return escolha;
}

void SimPlataforma::AbrirNoShell(Hwnd dono, const std::string& arquivo,
                                 const std::string& pasta, int mostrar) {
  chamadas.push_back(chamada::ShellExecute{dono, arquivo, pasta, mostrar});
}

}  // namespace quillora
