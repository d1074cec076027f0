#pragma once
// Word wrap as the Windows text call does it for the board's labels: a line
// holds what fits up to exactly the width and breaks before a word that
// follows a space; a word that fits only without the space after it goes
// down to the next line, as Wine's text call has it. A word wider than a
// line is counted as cut where it stops fitting; the system may instead
// leave it whole on its own line, past the edge, so the count errs towards
// "does not fit".
#include <functional>
#include <string_view>

namespace quillora {

// Lines of `texto` at `largura` pixels, each byte `largura(byte)` wide.
// An empty text is one line.
int ContarLinhas(std::string_view texto, int largura,
                 const std::function<int(unsigned char)>& larguraDe);

}  // namespace quillora
