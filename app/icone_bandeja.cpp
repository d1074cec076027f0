#include "app/icone_bandeja.h"

#include <algorithm>
#include <cstring>

namespace quillora {
namespace {

constexpr std::uint32_t kNifMessageIconTip = 7;

void Escrever32(std::array<std::uint8_t, 88>& bytes, std::size_t em, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[em + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

IconeBandeja::~IconeBandeja() { RemoverIconeBandeja(); }

void IconeBandeja::AdicionarIconeBandeja(const std::string& dica, Hwnd form, Hicon icone) {
  // The text, one NUL, then spaces to the end of the 64-character field.
  std::memset(registro_.szTip, ' ', sizeof registro_.szTip);
  const std::size_t n = std::min(dica.size(), sizeof registro_.szTip);
  std::memcpy(registro_.szTip, dica.data(), n);
  if (n < sizeof registro_.szTip) registro_.szTip[n] = '\0';
  registro_.uFlags = kNifMessageIconTip;
  registro_.uID = kIdIconeBandeja;
  registro_.cbSize = kTamanhoRegistroBandeja;
  registro_.hWnd = form;
  registro_.uCallbackMessage = kMensagemBandeja;
  registro_.hIcon = icone;
  shell_.ShellNotifyIcon(MensagemIcone::kNimAdd, registro_);
  adicionado_ = true;
}

void IconeBandeja::RemoverIconeBandeja() {
  if (!adicionado_) return;
  registro_.uID = kIdIconeBandeja;
  registro_.cbSize = kTamanhoRegistroBandeja;
  registro_.uCallbackMessage = kMensagemBandeja;
  shell_.ShellNotifyIcon(MensagemIcone::kNimDelete, registro_);
  adicionado_ = false;
}

void IconeBandeja::TaskbarCreated() {
  if (adicionado_) shell_.ShellNotifyIcon(MensagemIcone::kNimAdd, registro_);
}

void IconeBandeja::TrocarIcone(Hicon icone) {
  if (!adicionado_ || icone == registro_.hIcon) return;
  RemoverIconeBandeja();
  registro_.hIcon = icone;
  shell_.ShellNotifyIcon(MensagemIcone::kNimAdd, registro_);
  adicionado_ = true;
}

std::array<std::uint8_t, 88> BytesAnsi32(const RegistroIcone& r) {
  std::array<std::uint8_t, 88> bytes{};
  Escrever32(bytes, 0, r.cbSize);
  Escrever32(bytes, 4, static_cast<std::uint32_t>(r.hWnd.valor));
  Escrever32(bytes, 8, r.uID);
  Escrever32(bytes, 12, r.uFlags);
  Escrever32(bytes, 16, r.uCallbackMessage);
  Escrever32(bytes, 20, static_cast<std::uint32_t>(r.hIcon.valor));
  std::memcpy(bytes.data() + 24, r.szTip, sizeof r.szTip);
  return bytes;
}

}  // namespace quillora
