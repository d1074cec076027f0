#pragma once
// The always-on-top band.
#include <cstdint>

#include "platform/janelas.h"

namespace quillora {

// The forms' Boolean: True is -1.
inline constexpr std::int16_t kVerdadeiro = -1;
inline constexpr std::int16_t kFalso = 0;

// Only True (-1) puts the window into the always-on-top band; any other
// value takes it out. Neither moves, sizes, shows nor hides it.
void SempreVisivel(Janelas& janelas, Hwnd janela, std::int16_t flag);

}  // namespace quillora
