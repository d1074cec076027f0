#pragma once
// The program's fixed texts, in Windows-1252 (accented letters as \x escapes).
namespace quillora::textos {

inline constexpr char kTituloMensagem[] = "Quillora 1.0";
inline constexpr char kArquivoInexistente[] = "Arquivo de Quillora Inexistente!";
inline constexpr char kArquivoSemFrases[] = "Arquivo de Quillora Sem Frases!";
inline constexpr char kArquivoIlegivel[] = "Arquivo de Quillora Ileg\xEDvel!";
inline constexpr char kReinstale[] = "Reinstale o programa novamente !";

inline constexpr char kNomeArquivoDados[] = "dados.lst";
inline constexpr char kChaveAutor[] = "Lumen";

}  // namespace quillora::textos
