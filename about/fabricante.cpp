#include "about/fabricante.h"

namespace quillora {

std::string EnderecoEmailFabricante() { return std::string("mailto:") + kEmailFabricante; }

}  // namespace quillora
