#pragma once
// The maker's addresses: shown as the About dialog's links, and the
// mailbox the tray menu's suggestion goes to.
#include <string>

namespace quillora {

inline constexpr char kEmailFabricante[] = "frases@brenvic.com.br";
inline constexpr char kSiteFabricante[] = "http://brenvic.com.br";

// "mailto:" and the maker's address, nothing else.
std::string EnderecoEmailFabricante();

}  // namespace quillora
