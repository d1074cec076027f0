#pragma once
// Handles of the window system, opaque outside platform/win32. Each kind is
// its own type, so a window cannot be passed where a region is expected.
#include <compare>
#include <cstdint>

namespace quillora {

template <typename Tipo>
struct Handle {
  std::uintptr_t valor = 0;
  explicit operator bool() const { return valor != 0; }
  auto operator<=>(const Handle&) const = default;
};

using Hwnd = Handle<struct JanelaTipo>;
using Hrgn = Handle<struct RegiaoTipo>;
using Hdc = Handle<struct DcTipo>;
using Hicon = Handle<struct IconeTipo>;

}  // namespace quillora
