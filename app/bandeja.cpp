#include "app/bandeja.h"

#include <algorithm>
#include <cstring>

namespace quillora {
namespace {

constexpr std::uint32_t kNifMessageIconTip = 7;

void Escrever32(std::array<std::uint8_t, 88>& bytes, std::size_t em, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes[em + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

void RegistroBandeja::AdicionarIconeBandeja(SistemaJanelas& ws, const std::string& dica,
                                            Hwnd form, std::uintptr_t icone) {
  // The text, one NUL, then spaces to the end of the 64-character field.
  std::memset(dados_.szTip, ' ', sizeof dados_.szTip);
  const std::size_t n = std::min(dica.size(), sizeof dados_.szTip);
  std::memcpy(dados_.szTip, dica.data(), n);
  if (n < sizeof dados_.szTip) dados_.szTip[n] = '\0';
  dados_.uFlags = kNifMessageIconTip;
  dados_.uID = kIdIconeBandeja;
  dados_.cbSize = kTamanhoRegistroBandeja;
  dados_.hWnd = form;
  dados_.uCallbackMessage = kMensagemBandeja;
  dados_.hIcon = icone;
  ws.ShellNotifyIcon(kNimAdd, dados_);
}

void RegistroBandeja::RemoverIconeBandeja(SistemaJanelas& ws, Hwnd form) {
  dados_.uID = kIdIconeBandeja;
  dados_.cbSize = kTamanhoRegistroBandeja;
  dados_.hWnd = form;
  dados_.uCallbackMessage = kMensagemBandeja;
  ws.ShellNotifyIcon(kNimDelete, dados_);
}

std::array<std::uint8_t, 88> BytesAnsi32(const DadosIconeBandeja& d) {
  std::array<std::uint8_t, 88> bytes{};
  Escrever32(bytes, 0, d.cbSize);
  Escrever32(bytes, 4, static_cast<std::uint32_t>(d.hWnd));
  Escrever32(bytes, 8, d.uID);
  Escrever32(bytes, 12, d.uFlags);
  Escrever32(bytes, 16, d.uCallbackMessage);
  Escrever32(bytes, 20, static_cast<std::uint32_t>(d.hIcon));
  std::memcpy(bytes.data() + 24, d.szTip, sizeof d.szTip);
  return bytes;
}

}  // namespace quillora
