#pragma once
// The phrase file's name, the author's key and the messages of a file that
// gives no phrase (Windows-1252).
#include "platform/produto.h"

namespace quillora::textos {

inline constexpr char16_t kNomeArquivoDados[] = u"dados.lst";
inline constexpr char kChaveAutor[] = "Lumen";

inline constexpr char kTituloMensagem[] = QUILLORA_NOME " " QUILLORA_VERSAO_CURTA;
inline constexpr char kArquivoInexistente[] = "Arquivo de Quillora Inexistente!";
inline constexpr char kArquivoSemFrases[] = "Arquivo de Quillora Sem Frases!";
inline constexpr char kArquivoIlegivel[] = "Arquivo de Quillora Ileg\xEDvel!";
inline constexpr char kReinstale[] = "Reinstale o programa novamente !";

}  // namespace quillora::textos
