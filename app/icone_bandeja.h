#pragma once
// The tray icon: one object that owns its record for the whole run, adds
// itself, removes itself on every way out (its owner's ending, or its own
// end) and adds itself again when the taskbar is re-created.
#include <array>
#include <cstdint>
#include <string>

#include "platform/shell.h"

namespace quillora {

inline constexpr std::uint32_t kIdIconeBandeja = 100;
inline constexpr std::uint32_t kMensagemBandeja = 0x200;  // WM_MOUSEMOVE
inline constexpr std::uint32_t kTamanhoRegistroBandeja = 88;

class IconeBandeja {
 public:
  explicit IconeBandeja(Shell& shell) : shell_(shell) {}
  ~IconeBandeja();
  IconeBandeja(const IconeBandeja&) = delete;
  IconeBandeja& operator=(const IconeBandeja&) = delete;

  void AdicionarIconeBandeja(const std::string& dica, Hwnd form, Hicon icone);
  // Writes only what the design's remove step writes; the rest stays from
  // the add. Nothing when the icon is not there.
  void RemoverIconeBandeja();
  // The shell forgets its icons when the taskbar is re-created.
  void TaskbarCreated();
  // Another image (the tray's icon size changed with the display scale):
  // handed to the shell again, removed and added as a new icon.
  void TrocarIcone(Hicon icone);
  const RegistroIcone& Registro() const { return registro_; }

 private:
  Shell& shell_;
  RegistroIcone registro_;
  bool adicionado_ = false;
};

// The 88-byte NOTIFYICONDATAA of the 32-bit program, little-endian.
std::array<std::uint8_t, 88> BytesAnsi32(const RegistroIcone& registro);

}  // namespace quillora
