// The whole program at the display scales Windows offers: the board, its
// picture, labels, click areas and tooltips, the tray and About are the
// design converted at the real dots per inch; a scale change while it runs
// draws everything again for the new one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/aplicacao.h"
#include "platform/escala.h"
#include "platform/sim/plataforma_sim.h"
#include "platform/sim/runtime_sim.h"
#include "tests/support/arquivos.h"
#include "tests/support/registros.h"

namespace quillora {
namespace {

constexpr int kEscalas[] = {96, 120, 144, 192};
constexpr unsigned kSoltarEsquerdo = 0x202;
constexpr unsigned kSoltarDireito = 0x205;

// The window system at a scale, set before any window exists.
struct Sistema {
  explicit Sistema(int dpi, int dpiJanelas = 0) {
    sim.dpiX = sim.dpiY = dpi;
    sim.dpiNovasJanelas = dpiJanelas;
    rt.arquivos["C:\\Quillora\\dados.lst"] = teste::DoisRegistros();
    rt.bytesPorLeitura = 4096;
  }
  SimRuntime rt;
  SimPlataforma sim;
};

struct Programa : Sistema {
  explicit Programa(int dpi, int dpiJanelas = 0)
      : Sistema(dpi, dpiJanelas),
        app(rt, {sim, sim, sim, sim, sim}, teste::LerFonte("board/mural.gif")) {
    app.Iniciar();
  }
  FrmMural& mural() { return app.frmMural(); }
  Hwnd Quadro() { return mural().hWnd(); }
  Retangulo RetQuadro() { return sim.RetanguloJanela(Quadro()); }
  Hwnd Host() { return app.frmPrincipal().hWnd(); }
  // The rectangle that holds the board's region.
  Retangulo Contorno() {
    const std::vector<RetanguloSim>& r = sim.Janela(Quadro()).regiao;
    RetanguloSim b = r.at(0);
    for (const RetanguloSim& q : r) {
      b = {std::min(b.esquerda, q.esquerda), std::min(b.topo, q.topo),
           std::max(b.direita, q.direita), std::max(b.base, q.base)};
    }
    return {b.esquerda, b.topo, b.direita - b.esquerda, b.base - b.topo};
  }
  Retangulo Dica(int id) {
    for (const SimPlataforma::Dica& d : sim.dicas) {
      if (d.janela == Quadro() && d.id == id) return d.r;
    }
    return {};
  }
  Aplicacao app;
};

// The centre of a rectangle of twips, in client pixels.
std::pair<int, int> Centro(const Escala& s, float left, float top, float width, float height) {
  const Retangulo r = s.EmPixels(left, top, width, height);
  return {r.x + r.w / 2, r.y + r.h / 2};
}

// Everything that the design gives in twips, at the scale.
void EsperarDesenhoNaEscala(Programa& p, const Escala& s) {
  const Retangulo quadro = p.RetQuadro();
  EXPECT_EQ(quadro.w, s.Px(5250));
  EXPECT_EQ(quadro.h, s.Py(2400));
  const Imagem& imagem = p.sim.ImagemDe(p.mural().picFundo.hDC);
  EXPECT_EQ(imagem.largura, quadro.w);
  EXPECT_EQ(imagem.altura, quadro.h);
  EXPECT_EQ(p.sim.ImagensVivas(), 1);
  // The outline's margin is the design's 5 pixels at the scale.
  const Retangulo contorno = p.Contorno();
  const double margem = 5.0 * s.PontosPorPolegadaX() / 96;
  EXPECT_NEAR(contorno.x, margem, 1);
  EXPECT_NEAR(contorno.y, margem, 1);
  EXPECT_NEAR(quadro.w - (contorno.x + contorno.w), margem, 1);
  EXPECT_NEAR(quadro.h - (contorno.y + contorno.h), margem, 1);
  EXPECT_FALSE(p.sim.RegiaoContem(p.Quadro(), 0, 0));
  EXPECT_FALSE(p.sim.RegiaoContem(p.Quadro(), quadro.w - 1, quadro.h - 1));
  EXPECT_TRUE(p.sim.RegiaoContem(p.Quadro(), quadro.w / 2, quadro.h / 2));
  EXPECT_EQ(p.mural().lblAutor.EmPixels(), s.EmPixels(840, 2025, 3975, 195));
  EXPECT_EQ(p.mural().lblFrase.EmPixels(), s.EmPixels(255, 1010, 4695, 240));  // one line
  EXPECT_EQ(p.Dica(1), s.EmPixels(420, 2040, 375, 195));
  EXPECT_EQ(p.Dica(2), s.EmPixels(4900, 150, 135, 195));
  EXPECT_EQ(p.sim.dicas.size(), 2u);
}

TEST(EscalaTest, TheBoardIsTheDesignAtEveryScale) {
  for (int dpi : kEscalas) {
    SCOPED_TRACE(dpi);
    Programa p(dpi);
    const Escala s(dpi, dpi);
    EsperarDesenhoNaEscala(p, s);
    // First placed at the top-right corner in the design's width.
    EXPECT_EQ(p.RetQuadro().x, 1024 - s.Px(5325));
    EXPECT_EQ(p.RetQuadro().y, 0);
    // The envelope and the cross answer at their scaled places.
    const auto [ex, ey] = Centro(s, 420, 2040, 375, 195);
    const auto [fx, fy] = Centro(s, 4900, 150, 135, 195);
    EXPECT_EQ(p.sim.PonteiroEm(p.Quadro(), fx, fy), Ponteiro::Mao);
    p.sim.Clicar(p.Quadro(), ex, ey);
    EXPECT_EQ(DoTipo<chamada::ShellExecute>(p.sim.chamadas).size(), 1u);
    p.sim.Clicar(p.Quadro(), fx, fy);
    EXPECT_FALSE(p.sim.Janela(p.Quadro()).visivel);
  }
}

TEST(EscalaTest, TheTrayAnswersAtEveryScaleWithItsIconForTheScale) {
  for (int dpi : kEscalas) {
    SCOPED_TRACE(dpi);
    Programa p(dpi);
    ASSERT_EQ(p.sim.icones.size(), 1u);
    EXPECT_EQ(p.sim.icones.begin()->second.hIcon, p.sim.IconeAplicacao(dpi));
    p.sim.Clicar(p.Quadro(), Centro(Escala(dpi, dpi), 4900, 150, 135, 195).first,
                 Centro(Escala(dpi, dpi), 4900, 150, 135, 195).second);
    ASSERT_FALSE(p.sim.Janela(p.Quadro()).visivel);
    p.sim.NotificarBandeja(kSoltarEsquerdo);
    EXPECT_TRUE(p.sim.Janela(p.Quadro()).visivel) << "a left release draws";
    p.sim.NotificarBandeja(kSoltarDireito);
    EXPECT_EQ(DoTipo<chamada::TrackPopupMenu>(p.sim.chamadas).size(), 1u);
  }
}

TEST(EscalaTest, AScaleChangeDrawsTheBoardAgainWhereTheUserPutIt) {
  Programa p(96);
  p.sim.destinosArrasto = {{100, 50}};
  p.sim.Pressionar(p.Quadro(), kBotaoEsquerdo, 8, 80);
  ASSERT_EQ(p.RetQuadro(), (Retangulo{100, 50, 350, 160}));
  for (int dpi : {144, 192, 120, 96}) {
    SCOPED_TRACE(dpi);
    p.sim.MudarEscala(p.Quadro(), dpi, {300, 300, 10, 10});
    EXPECT_EQ(p.RetQuadro().x, 100);
    EXPECT_EQ(p.RetQuadro().y, 50);
    EsperarDesenhoNaEscala(p, Escala(dpi, dpi));
  }
  // Back at the design's scale, the designed picture itself.
  const auto gif = ComporGif(teste::LerFonte("board/mural.gif"), p.mural().picFundo.BackColor);
  ASSERT_TRUE(gif);
  EXPECT_EQ(p.sim.ImagemDe(p.mural().picFundo.hDC).pixels, gif->pixels);
}

// Text does not grow exactly with the scale (here 44 characters a line at
// 96 dots per inch, 42 at 144): the phrase is measured and centred again.
TEST(EscalaTest, AScaleChangeMeasuresAndCentresThePhraseAgain) {
  Programa p(96);
  const std::string palavra = "aaaaaaaaaa";
  std::string frase = palavra;
  for (int i = 1; i < 8; ++i) frase += " " + palavra;
  p.rt.arquivos["C:\\Quillora\\dados.lst"] = teste::Arquivo({frase + "\tAutor"});
  p.sim.NotificarBandeja(kSoltarEsquerdo);
  ASSERT_EQ(p.mural().lblFrase.Caption, frase);
  EXPECT_EQ(p.mural().lblFrase.Height, 480);  // two lines
  EXPECT_EQ(p.mural().lblFrase.Top, 890);
  p.sim.MudarEscala(p.Quadro(), 144, {});
  EXPECT_EQ(p.mural().lblFrase.Height, 720);  // three
  EXPECT_EQ(p.mural().lblFrase.Top, 770);
}

TEST(EscalaTest, ATrayScaleChangeHandsTheIconOverAgainNeverModified) {
  Programa p(96);
  p.sim.chamadas.clear();
  p.sim.MudarEscala(p.Host(), 144, {});
  const auto chamadas = DoTipo<chamada::Shell_NotifyIcon>(p.sim.chamadas);
  ASSERT_EQ(chamadas.size(), 2u);
  EXPECT_EQ(chamadas[0].mensagem, MensagemIcone::kNimDelete);
  EXPECT_EQ(chamadas[1].mensagem, MensagemIcone::kNimAdd);
  EXPECT_EQ(chamadas[1].registro.hIcon, p.sim.IconeAplicacao(144));
  EXPECT_STREQ(chamadas[1].registro.szTip, "Quillora");
  ASSERT_EQ(p.sim.icones.size(), 1u);
  EXPECT_EQ(p.sim.icones.begin()->second.hIcon, p.sim.IconeAplicacao(144));
  // The same scale again changes nothing.
  p.sim.MudarEscala(p.Host(), 144, {});
  EXPECT_EQ(DoTipo<chamada::Shell_NotifyIcon>(p.sim.chamadas).size(), 2u);
}

TEST(EscalaTest, ABoardOnAScreenOfAnotherScaleThanTheSystemsTakesItsScreens) {
  Programa p(96, 144);
  const Escala s(144, 144);
  EsperarDesenhoNaEscala(p, s);
  EXPECT_EQ(p.RetQuadro().x, 1024 - s.Px(5325));
}

TEST(EscalaTest, AboutIsTheDesignAtTheScaleAndFollowsAScaleChange) {
  for (int dpi : {120, 144, 192}) {
    SCOPED_TRACE(dpi);
    Sistema sistema(dpi);
    SimPlataforma& sim = sistema.sim;
    FrmSobre sobre(sim, sim, sim, sim);
    const Escala s(dpi, dpi);
    sim.duranteModal = {[&](Hwnd h) {
                          const JanelaSim& j = sim.Janela(h);
                          EXPECT_EQ(j.w, s.Px(4035));
                          EXPECT_EQ(j.h, s.Py(2580));
                          EXPECT_EQ(j.x, (1024 - j.w) / 2);
                          EXPECT_EQ(sim.botoes.back().r, s.EmPixels(1200, 2160, 1575, 375));
                          EXPECT_EQ(sim.botoes.back().pontosPorPolegada, dpi);
                          EXPECT_EQ(sobre.Label1.EmPixels(), s.EmPixels(450, 120, 3135, 255));
                          EXPECT_EQ(sobre.email.EmPixels(), s.EmPixels(1320, 1665, 2655, 255));
                          sim.MudarEscala(h, 2 * dpi, {10, 20, 2 * j.w, 2 * j.h});
                        },
                        [&](Hwnd h) {
                          const Escala dobro(2 * dpi, 2 * dpi);
                          EXPECT_EQ(sim.RetanguloJanela(h),
                                    (Retangulo{10, 20, 2 * s.Px(4035), 2 * s.Py(2580)}));
                          EXPECT_EQ(sim.botoes.back().r, dobro.EmPixels(1200, 2160, 1575, 375));
                          EXPECT_EQ(sim.botoes.back().pontosPorPolegada, 2 * dpi);
                          EXPECT_EQ(sobre.email.EmPixels(),
                                    dobro.EmPixels(1320, 1665, 2655, 255));
                          sim.ClicarBotao(sim.botoes.back().janela);
                        }};
    sobre.Mostrar();
    EXPECT_FALSE(sobre.Aberto());
    // Opened again, it is at its screen's scale.
    sim.duranteModal = {[&](Hwnd) { sim.ClicarBotao(sim.botoes.back().janela); }};
    sobre.Mostrar();
    EXPECT_EQ(sim.botoes.back().pontosPorPolegada, dpi);
  }
}

}  // namespace
}  // namespace quillora
