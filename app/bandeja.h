#pragma once
// The tray icon: one record that lives for the whole run, written by the
// add step and partly rewritten by the remove step.
#include <array>
#include <cstdint>
#include <string>

#include "platform/janelas.h"

namespace quillora {

inline constexpr std::uint32_t kIdIconeBandeja = 100;
inline constexpr std::uint32_t kMensagemBandeja = 0x200;  // WM_MOUSEMOVE
inline constexpr std::uint32_t kTamanhoRegistroBandeja = 88;

class RegistroBandeja {
 public:
  void AdicionarIconeBandeja(SistemaJanelas& ws, const std::string& dica, Hwnd form,
                             std::uintptr_t icone);
  void RemoverIconeBandeja(SistemaJanelas& ws, Hwnd form);
  const DadosIconeBandeja& Dados() const { return dados_; }

 private:
  DadosIconeBandeja dados_;
};

// The 88-byte NOTIFYICONDATAA of the 32-bit program, little-endian.
std::array<std::uint8_t, 88> BytesAnsi32(const DadosIconeBandeja& dados);

}  // namespace quillora
