#include "platform/cp1252.h"

#include <gtest/gtest.h>

namespace quillora {
namespace {

TEST(Cp1252, RoundTripsEveryByteThroughUtf8) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const ConversaoCp1252 volta = Utf8ParaCp1252(Cp1252ParaUtf8(all));
  ASSERT_TRUE(volta.texto) << volta.erro;
  EXPECT_EQ(*volta.texto, all);
}

TEST(Cp1252, MapsTheWindowsSpecificRange) {
  EXPECT_EQ(Cp1252ParaUtf8("\x80\x93\xE9"), "\xE2\x82\xAC\xE2\x80\x9C\xC3\xA9");
  EXPECT_EQ(Cp1252ParaUnicode(0x9D), 0x9Du);
}

TEST(Cp1252, RejectsCharactersOutsideThePageAndBadUtf8WithTheirColumn) {
  struct Case {
    const char* utf8;
    std::size_t coluna;
  };
  for (const Case& c : {Case{"ab\xE2\x86\x92", 3},   // an arrow
                        Case{"a\xC3", 2},            // cut sequence
                        Case{"\xC0\x80", 1},         // overlong
                        Case{"xy\xF0\x9F\x98\x80", 3}}) {  // emoji
    const ConversaoCp1252 r = Utf8ParaCp1252(c.utf8);
    EXPECT_FALSE(r.texto) << c.utf8;
    EXPECT_EQ(r.coluna, c.coluna) << c.utf8;
  }
}

}  // namespace
}  // namespace quillora
