// The shipped board picture and hand cursor: their stated properties, and
// the generator reproduces them byte for byte.
#include <gtest/gtest.h>

#include "platform/imagem.h"
#include "tests/support/arquivos.h"
#include "tools/recursos/cursor_mao.h"
#include "tools/recursos/icones.h"
#include "board/mural_arte.h"
#include "tools/recursos/gif.h"

namespace quillora {
namespace {

using teste::LerFonte;

int U16(const std::string& s, std::size_t at) {
  return static_cast<unsigned char>(s[at]) | (static_cast<unsigned char>(s[at + 1]) << 8);
}

TEST(MuralGif, TheGeneratorReproducesTheShippedFiles) {
  EXPECT_EQ(CodificarGif(DesenharMural()), LerFonte("board/mural.gif"));
  EXPECT_EQ(CursorMao(), LerFonte("board/mao.cur"));
  EXPECT_EQ(CursorMaoEscalas(), LerFonte("board/mao_escalas.cur"));
  EXPECT_EQ(IconeAplicacao(), LerFonte("app/quillora.ico"));
  EXPECT_EQ(IconeInformacao(), LerFonte("about/info.ico"));
}

TEST(MuralGif, HeaderPaletteAndTransparencyAreAsDesigned) {
  const std::string gif = LerFonte("board/mural.gif");
  ASSERT_GT(gif.size(), 800u);
  EXPECT_EQ(gif.substr(0, 6), "GIF89a");
  EXPECT_EQ(U16(gif, 6), 350);
  EXPECT_EQ(U16(gif, 8), 160);
  const auto packed = static_cast<unsigned char>(gif[10]);
  EXPECT_EQ(packed & 0x80, 0x80);            // global palette
  EXPECT_EQ(((packed >> 4) & 7) + 1, 7);     // colour resolution
  EXPECT_EQ(2 << (packed & 7), 128);         // 128 entries
  EXPECT_EQ(static_cast<unsigned char>(gif[11]), 127);  // background index
  const std::size_t branco = 13 + 127 * 3;
  EXPECT_EQ(gif.substr(branco, 3), "\xFF\xFF\xFF");
  const std::size_t gce = 13 + 128 * 3;
  EXPECT_EQ(gif.substr(gce, 4), "\x21\xF9\x04\x01");  // transparency on
  EXPECT_EQ(static_cast<unsigned char>(gif[gce + 6]), 127);
  const std::size_t descritor = gce + 8;
  EXPECT_EQ(gif[descritor], '\x2C');
  EXPECT_EQ(U16(gif, descritor + 1), 0);
  EXPECT_EQ(U16(gif, descritor + 3), 0);
  EXPECT_EQ(U16(gif, descritor + 5), 350);
  EXPECT_EQ(U16(gif, descritor + 7), 160);
  EXPECT_EQ(gif[descritor + 9] & 0xC0, 0);  // no local palette, not interlaced
  EXPECT_EQ(gif.back(), '\x3B');
}

TEST(MuralGif, UsesAll128EntriesWithOpaqueWhiteAndDecodesToTheDrawing) {
  const ImagemIndexada desenho = DesenharMural();
  std::vector<int> usos(128);
  for (auto i : desenho.indices) ++usos[i];
  for (int i = 0; i < 128; ++i) EXPECT_GT(usos[i], 0) << "index " << i;
  EXPECT_EQ(usos[127], 5376);

  const Cor chave = Rgb(255, 0, 255);
  const auto composta = ComporGif(LerFonte("board/mural.gif"), chave);
  ASSERT_TRUE(composta);
  const Imagem& im = *composta;
  for (int y = 0; y < 160; ++y) {
    for (int x = 0; x < 350; ++x) {
      const std::uint8_t i = desenho.indices[static_cast<std::size_t>(y * 350 + x)];
      const CorPaleta c = desenho.paleta[i];
      ASSERT_EQ(im.Em(x, y), i == 127 ? chave : quillora::Rgb(c.r, c.g, c.b)) << x << "," << y;
    }
  }
}

TEST(MuralGif, OpaqueBlockHasExactlyTheStatedRowSpans) {
  const Cor chave = Rgb(255, 0, 255);
  const auto composta = ComporGif(LerFonte("board/mural.gif"), chave);
  ASSERT_TRUE(composta);
  const Imagem& im = *composta;
  const int esquerda[15] = {20, 18, 16, 15, 14, 12, 11, 10, 10, 9, 8, 7, 7, 6, 6};
  int transparentes = 0;
  for (int y = 0; y < 160; ++y) {
    const int espelho = y < 80 ? y : 159 - y;
    const int a = espelho < 5 ? -1 : (espelho < 20 ? esquerda[espelho - 5] : 5);
    for (int x = 0; x < 350; ++x) {
      const bool opaco = a >= 0 && x >= a && x <= 349 - a;
      ASSERT_EQ(im.Em(x, y) != chave, opaco) << x << "," << y;
      transparentes += !opaco;
    }
  }
  EXPECT_EQ(transparentes, 5376);
}

TEST(MuralGif, CrossAndEnvelopeSitUnderTheirClickAreasAndNoPixelIsAButtonFace) {
  const auto composta = ComporGif(LerFonte("board/mural.gif"), Rgb(255, 0, 255));
  ASSERT_TRUE(composta);
  const Imagem& im = *composta;
  auto azul = [](Cor c) { return ((c >> 16) & 0xFF) > 140 && (c & 0xFF) < 130; };
  auto amarelo = [](Cor c) { return (c & 0xFF) > 230 && ((c >> 16) & 0xFF) < 140; };
  int azuis = 0, amarelos = 0;
  for (int y = 0; y < 160; ++y) {
    for (int x = 0; x < 350; ++x) {
      const Cor c = im.Em(x, y);
      const bool naCruz = x >= 328 && x <= 334 && y >= 12 && y <= 20;
      const bool noEnvelope = x >= 28 && x <= 52 && y >= 135 && y <= 148;
      if (azul(c)) {
        ++azuis;
        EXPECT_TRUE(naCruz) << x << "," << y;
      }
      if (amarelo(c)) {
        ++amarelos;
        EXPECT_TRUE(noEnvelope) << x << "," << y;
      }
      for (Cor face : {Rgb(240, 240, 240), Rgb(236, 233, 216), Rgb(212, 208, 200),
                       Rgb(192, 192, 192)}) {
        ASSERT_NE(c, face) << x << "," << y;
      }
    }
  }
  EXPECT_GE(azuis, 20);
  EXPECT_GE(amarelos, 150);
}

TEST(ComporGif, RefusesPicturesThatAreNotOursInsteadOfExhaustingMemory) {
  // A header that claims 65535 x 65535 pixels, then almost nothing.
  const std::string enorme("GIF89a\xff\xff\xff\xff\x80\x00\x00\x00\x00\x00\xff\xff\xff"
                           ",\x00\x00\x00\x00\xff\xff\xff\xff\x00\x02\x02D\x01\x00;", 35);
  EXPECT_FALSE(ComporGif(enorme, 0));
  EXPECT_FALSE(ComporGif("GIF89a", 0));
  EXPECT_FALSE(ComporGif("", 0));
}

TEST(MaoCur, IsA32By32TwoColourCursorWithItsHotSpotAtTheFingertip) {
  const std::string cur = LerFonte("board/mao.cur");
  EXPECT_EQ(U16(cur, 2), 2);  // a cursor
  EXPECT_EQ(U16(cur, 4), 1);
  EXPECT_EQ(static_cast<unsigned char>(cur[6]), 32);
  EXPECT_EQ(static_cast<unsigned char>(cur[7]), 32);
  EXPECT_EQ(U16(cur, 10), 5);
  EXPECT_EQ(U16(cur, 12), 0);
  EXPECT_EQ(U16(cur, 22 + 14), 1);  // 1 bit per pixel
  // The hot spot pixel is opaque (AND mask bit 0) on the top row.
  const std::size_t mascara = 22 + 40 + 8 + 128;
  const auto topo = static_cast<unsigned char>(cur[mascara + 31 * 4]);
  EXPECT_EQ(topo & (0x80 >> 5), 0);
}

TEST(MaoCur, TheLargerHandsComeAtEveryCursorSizeOfTheScalesEachWithItsFingertip) {
  const std::string cur = LerFonte("board/mao_escalas.cur");
  const int lados[] = {40, 48, 56, 64, 72, 80, 88, 96};
  ASSERT_EQ(U16(cur, 2), 2);
  ASSERT_EQ(U16(cur, 4), 8);
  for (int i = 0; i < 8; ++i) {
    const int n = lados[i];
    SCOPED_TRACE(n);
    const std::size_t entrada = 6 + 16 * static_cast<std::size_t>(i);
    EXPECT_EQ(static_cast<unsigned char>(cur[entrada]), n);
    EXPECT_EQ(static_cast<unsigned char>(cur[entrada + 1]), n);
    const int quente = U16(cur, entrada + 4);
    EXPECT_EQ(quente, static_cast<int>(5.5 * n / 32));
    EXPECT_EQ(U16(cur, entrada + 6), 0);
    // The hot spot is an opaque pixel of the top row (AND mask bit 0); the
    // mask follows the header, the palette and the colour plane.
    const std::size_t imagem = U16(cur, entrada + 12) | (U16(cur, entrada + 14) << 16);
    const std::size_t porLinha = ((n + 31) / 32) * 4;
    const std::size_t mascara = imagem + 40 + 8 + porLinha * n;
    const std::size_t topo = mascara + porLinha * (n - 1);  // rows go bottom-up
    const auto byte = static_cast<unsigned char>(cur[topo + quente / 8]);
    EXPECT_EQ(byte & (0x80 >> (quente % 8)), 0);
  }
}

}  // namespace
}  // namespace quillora
