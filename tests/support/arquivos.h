#pragma once
#include <fstream>
#include <iterator>
#include <string>

namespace quillora::teste {

// A file of the source tree, as bytes.
inline std::string LerFonte(const std::string& caminho) {
  std::ifstream in(std::string(QUILLORA_SOURCE_DIR) + "/" + caminho, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace quillora::teste
