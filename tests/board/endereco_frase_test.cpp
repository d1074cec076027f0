#include "board/endereco_frase.h"

#include <gtest/gtest.h>

namespace quillora {
namespace {

TEST(EnderecoFraseDoQuadro, EncodesOnlyWhatWouldChangeTheAddressOrItsCommandLine) {
  struct Caso {
    const char* frase;
    const char* autor;
    const char* corpo;  // after "mailto:?subject=Frase ou Provérbios&body="
  };
  for (const Caso& c : {
           Caso{"Vim, vi, venci.", "J\xFAlio C\xE9sar", "Vim, vi, venci.%0D%0AJ\xFAlio C\xE9sar"},
           Caso{"A & B #1?", "x=y", "A %26 B %231%3F%0D%0Ax%3Dy"},
           Caso{"50% \"certo\"", "", "50%25 %22certo%22%0D%0A"},
           Caso{"a\r\nbcc:x\t\x7F", "", "a%0D%0Abcc:x%09%7F%0D%0A"},
           // A trailing backslash would escape the quote that closes the
           // mail program's command line.
           Caso{"C:\\Pasta\\", "C:\\", "C:%5CPasta%5C%0D%0AC:%5C"},
           // The five bytes that Windows-1252 leaves unassigned are not text.
           Caso{"\x81\x8D\x8F\x90\x9D", "\x80\x9C", "%81%8D%8F%90%9D%0D%0A\x80\x9C"},
       }) {
    EXPECT_EQ(EnderecoFraseDoQuadro(c.frase, c.autor),
              std::string("mailto:?subject=Frase ou Prov\xE9rbios&body=") + c.corpo)
        << c.frase;
  }
}

}  // namespace
}  // namespace quillora
