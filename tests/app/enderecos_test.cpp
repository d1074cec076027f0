#include "app/enderecos.h"

#include <gtest/gtest.h>

namespace quillora {
namespace {

TEST(Enderecos, TheSuggestionAndTheMakersAddressAreTheFixedTexts) {
  EXPECT_EQ(EnderecoSugestao(),
            "mailto:frases@brenvic.com.br?subject=Sugest\xE3o de Frase ou Prov\xE9rbios"
            "&body=Frase ou Prov\xE9rbio: %0D%0AAutor: ");
  EXPECT_EQ(EnderecoEmailFabricante(), "mailto:frases@brenvic.com.br");
}

TEST(Enderecos, TheBoardsAddressEncodesOnlyWhatWouldChangeItsMeaning) {
  struct Case {
    const char* frase;
    const char* autor;
    const char* esperado;
  };
  for (const Case& c : {
           Case{"Vim, vi, venci.", "J\xFAlio C\xE9sar",
                "mailto:?subject=Frase ou Prov\xE9rbios&body=Vim, vi, venci.%0D%0AJ\xFAlio C\xE9sar"},
           Case{"A & B #1?", "x=y", "mailto:?subject=Frase ou Prov\xE9rbios&body=A %26 B %231%3F%0D%0Ax%3Dy"},
           Case{"50% \"certo\"", "", "mailto:?subject=Frase ou Prov\xE9rbios&body=50%25 %22certo%22%0D%0A"},
           Case{"a\r\nbcc:x\t\x7F", "", "mailto:?subject=Frase ou Prov\xE9rbios&body=a%0D%0Abcc:x%09%7F%0D%0A"},
           // A trailing backslash would escape the quote that closes the
           // mail program's command line.
           Case{"C:\\Pasta\\", "C:\\", "mailto:?subject=Frase ou Prov\xE9rbios&body=C:%5CPasta%5C%0D%0AC:%5C"},
           // The five bytes that Windows-1252 leaves unassigned are not text.
           Case{"\x81\x8D\x8F\x90\x9D", "\x80\x9C",
                "mailto:?subject=Frase ou Prov\xE9rbios&body=%81%8D%8F%90%9D%0D%0A\x80\x9C"},
       }) {
    EXPECT_EQ(EnderecoFraseDoQuadro(c.frase, c.autor), c.esperado) << c.frase;
  }
}

}  // namespace
}  // namespace quillora
