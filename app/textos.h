#pragma once
// The program's fixed texts, in Windows-1252 (accented letters as \x escapes).
namespace quillora::textos {

// Messages
inline constexpr char kTituloMensagem[] = "Quillora 1.0";
inline constexpr char kArquivoInexistente[] = "Arquivo de Quillora Inexistente!";
inline constexpr char kArquivoSemFrases[] = "Arquivo de Quillora Sem Frases!";
inline constexpr char kArquivoIlegivel[] = "Arquivo de Quillora Ileg\xEDvel!";
inline constexpr char kReinstale[] = "Reinstale o programa novamente !";

// Phrase file
inline constexpr char16_t kNomeArquivoDados[] = u"dados.lst";
inline constexpr char kChaveAutor[] = "Lumen";

// Host form, tray and menu
inline constexpr char kTituloPrincipal[] = "Form1";
inline constexpr char kDicaBandeja[] = "Quillora";
inline constexpr char kMenuVisivel[] = "Manter Quadro Sempre v\xEDsivel";
inline constexpr char kMenuEnviar[] = "Enviar &Frase ou Prov\xE9rbio";
inline constexpr char kMenuSobre[] = "&Sobre a Brenvic";
inline constexpr char kMenuSair[] = "&Encerrar Quillora";

// The maker's addresses: shown in the About dialog and used by the
// suggestion command.
inline constexpr char kEmailFabricante[] = "frases@brenvic.com.br";
inline constexpr char kSiteFabricante[] = "http://brenvic.com.br";

// mailto: pieces and the shell's working directory
inline constexpr char kMailto[] = "mailto:";
inline constexpr char kSugestaoAssuntoCorpo[] =
    "?subject=Sugest\xE3o de Frase ou Prov\xE9rbios&body=Frase ou Prov\xE9rbio: ";
inline constexpr char kSugestaoAutor[] = "%0D%0AAutor: ";
inline constexpr char kQuadroEmail[] = "mailto:?subject=Frase ou Prov\xE9rbios&body=";
inline constexpr char kQuebraEmail[] = "%0D%0A";
inline constexpr char kPastaShell[] = "c:\\";

// Board
inline constexpr char kDicaEmail[] = " Enviar Quillora por email.";
inline constexpr char kDicaFechar[] = " Fechar esse janela.";

// About dialog
inline constexpr char kTituloSobre[] = "Sobre o Quillora 1.0";
inline constexpr char kCortesia[] = "Esse programa \xE9 uma cortesia da";
inline constexpr char kBrenvic[] = "Brenvic Inform\xE1tica";
inline constexpr char kRotuloSite[] = "WebSite:";
inline constexpr char kRotuloEmail[] = "E-mail:";
inline constexpr char kOkay[] = "&Okay";

}  // namespace quillora::textos
