#pragma once
#include <cstdint>

#include "platform/janelas.h"

namespace quillora {

inline constexpr std::int16_t kVerdadeiro = -1;
inline constexpr std::int16_t kFalso = 0;

// Only True (-1) puts the window into the always-on-top band; any other
// value takes it out. Neither moves, sizes, shows nor hides it.
void SempreVisivel(SistemaJanelas& ws, Hwnd janela, std::int16_t flag);

}  // namespace quillora
