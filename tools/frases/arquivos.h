#pragma once
// The phrase tool's files: read whole, and replaced atomically. Names are
// UTF-8 on every system.
#include <optional>
#include <string>

namespace quillora {

std::optional<std::string> LerArquivo(const std::string& caminho);

// Writes beside the target and renames over it, so the file is either the
// old one or the complete new one. Empty on success, else why (UTF-8).
std::string GravarAtomico(const std::string& caminho, const std::string& bytes);

}  // namespace quillora
