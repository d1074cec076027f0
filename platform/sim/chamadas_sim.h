#pragma once
// The platform calls that the simulator records, each as a typed value with
// its arguments, in the order they were made.
#include <string>
#include <variant>
#include <vector>

#include "platform/janelas.h"
#include "platform/regioes.h"
#include "platform/shell.h"

namespace quillora {

bool operator==(const RegistroIcone& a, const RegistroIcone& b);
bool operator==(const ItemMenu& a, const ItemMenu& b);

namespace chamada {

struct CreateWindow {
  Hwnd janela;
  TipoJanela tipo;
  Retangulo r;
  bool operator==(const CreateWindow&) const = default;
};
struct DestroyWindow {
  Hwnd janela;
  bool operator==(const DestroyWindow&) const = default;
};
struct MoveWindow {
  Hwnd janela;
  Retangulo r;
  bool operator==(const MoveWindow&) const = default;
};
struct ShowWindow {
  Hwnd janela;
  bool visivel;
  bool operator==(const ShowWindow&) const = default;
};
struct SetWindowPos {
  Hwnd janela;
  InserirApos depoisDe;
  int x, y, cx, cy;
  unsigned flags;
  bool operator==(const SetWindowPos&) const = default;
};
struct SetForegroundWindow {
  Hwnd janela;
  bool operator==(const SetForegroundWindow&) const = default;
};
struct EnableWindow {
  Hwnd janela;
  bool habilitada;
  bool operator==(const EnableWindow&) const = default;
};
struct SetFocus {
  Hwnd janela;
  bool operator==(const SetFocus&) const = default;
};
struct ModalBegin {
  Hwnd janela;
  bool operator==(const ModalBegin&) const = default;
};
struct ModalEnd {
  Hwnd janela;
  bool operator==(const ModalEnd&) const = default;
};
struct CreateRectRgn {
  int esquerda, topo, direita, base;
  bool operator==(const CreateRectRgn&) const = default;
};
struct CombineRgn {
  Hrgn destino, a, b;
  ModoCombinacao modo;
  bool operator==(const CombineRgn&) const = default;
};
struct DeleteObject {
  Hrgn regiao;
  bool operator==(const DeleteObject&) const = default;
};
struct SetWindowRgn {
  Hwnd janela;
  Hrgn regiao;
  bool redesenhar;
  bool operator==(const SetWindowRgn&) const = default;
};
struct ReleaseCapture {
  bool operator==(const ReleaseCapture&) const = default;
};
struct SendMessage {
  Hwnd janela;
  MensagemJanela mensagem;
  AreaJanela area;
  long l;
  bool operator==(const SendMessage&) const = default;
};
struct RegisterWindowMessage {
  std::string nome;
  bool operator==(const RegisterWindowMessage&) const = default;
};
struct Shell_NotifyIcon {
  MensagemIcone mensagem;
  RegistroIcone registro;
  bool operator==(const Shell_NotifyIcon&) const = default;
};
struct TrackPopupMenu {
  Hwnd dono;
  std::vector<ItemMenu> itens;
  bool operator==(const TrackPopupMenu&) const = default;
};
struct ShellExecute {
  Hwnd dono;
  std::string arquivo, pasta;
  int mostrar;
  bool operator==(const ShellExecute&) const = default;
};

}  // namespace chamada

using Chamada =
    std::variant<chamada::CreateWindow, chamada::DestroyWindow, chamada::MoveWindow,
                 chamada::ShowWindow, chamada::SetWindowPos, chamada::SetForegroundWindow,
                 chamada::EnableWindow, chamada::SetFocus, chamada::ModalBegin,
                 chamada::ModalEnd, chamada::CreateRectRgn, chamada::CombineRgn,
                 chamada::DeleteObject, chamada::SetWindowRgn, chamada::ReleaseCapture,
                 chamada::SendMessage, chamada::RegisterWindowMessage,
                 chamada::Shell_NotifyIcon, chamada::TrackPopupMenu, chamada::ShellExecute>;

// The calls of one kind, in order.
template <typename T>
std::vector<T> DoTipo(const std::vector<Chamada>& chamadas) {
  std::vector<T> saida;
  for (const Chamada& c : chamadas) {
    if (const T* t = std::get_if<T>(&c)) saida.push_back(*t);
  }
  return saida;
}

// Where the first call equal to `valor` stands; the size when none is.
template <typename T>
std::size_t Posicao(const std::vector<Chamada>& chamadas, const T& valor) {
  for (std::size_t i = 0; i < chamadas.size(); ++i) {
    if (const T* t = std::get_if<T>(&chamadas[i]); t != nullptr && *t == valor) return i;
  }
  return chamadas.size();
}

}  // namespace quillora
