#include "platform/win32/texto_win32.h"

#include <cmath>

#include "platform/win32/largo.h"

namespace quillora {
namespace {

// Ampersands show as they are. An italic last letter leans past the label's
// edge: cut there, "WebSite:" loses the top dot of its colon.
UINT Formato(Alinhamento alinhamento, bool quebra) {
  UINT f = DT_NOPREFIX | DT_NOCLIP;
  if (quebra) f |= DT_WORDBREAK;
  if (alinhamento == Alinhamento::Centro) f |= DT_CENTER;
  if (alinhamento == Alinhamento::Direita) f |= DT_RIGHT;
  return f;
}

// The routine that draws, and with DT_CALCRECT measures.
void Escrever(HDC dc, const std::string& texto, RECT& r, UINT formato) {
  const std::wstring largo = Largo(texto);
  DrawTextW(dc, largo.c_str(), static_cast<int>(largo.size()), &r, formato);
}

}  // namespace

HFONT Win32Texto::FonteGdi(const Fonte& f, int pontosPorPolegada) {
  const std::wstring chave = Largo(f.nome) + L"|" + std::to_wstring(f.pontos) +
                             (f.negrito ? L"b" : L"") + (f.italico ? L"i" : L"") +
                             (f.sublinhado ? L"u" : L"") + L"@" +
                             std::to_wstring(pontosPorPolegada);
  const auto it = fontes_.find(chave);
  if (it != fontes_.end()) return it->second.get();
  const int altura = -static_cast<int>(std::lround(f.pontos * pontosPorPolegada / 72.0));
  Gdi<HFONT> fonte(CreateFontW(altura, 0, 0, 0, f.negrito ? FW_BOLD : FW_NORMAL, f.italico,
                               f.sublinhado, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                               Largo(f.nome).c_str()));
  const HFONT h = fonte.get();
  fontes_[chave] = std::move(fonte);
  return h;
}

int Win32Texto::AlturaTexto(const std::string& texto, const Fonte& fonte, int pontosPorPolegada,
                            int largura) {
  const DcDaTela tela;
  const ObjetoSelecionado selecao(tela.get(), FonteGdi(fonte, pontosPorPolegada));
  RECT r{0, 0, largura, 0};
  Escrever(tela.get(), texto, r, Formato(Alinhamento::Centro, true) | DT_CALCRECT);
  return r.bottom > 0 ? r.bottom : AlturaLinha(fonte, pontosPorPolegada);
}

int Win32Texto::LarguraTexto(const std::string& texto, const Fonte& fonte,
                             int pontosPorPolegada) {
  const DcDaTela tela;
  const ObjetoSelecionado selecao(tela.get(), FonteGdi(fonte, pontosPorPolegada));
  RECT r{0, 0, 0, 0};
  Escrever(tela.get(), texto, r, Formato(Alinhamento::Direita, false) | DT_CALCRECT);
  return r.right - r.left;
}

int Win32Texto::AlturaLinha(const Fonte& fonte, int pontosPorPolegada) {
  const DcDaTela tela;
  const ObjetoSelecionado selecao(tela.get(), FonteGdi(fonte, pontosPorPolegada));
  TEXTMETRICW tm{};
  GetTextMetricsW(tela.get(), &tm);
  return tm.tmHeight;
}

void Win32Texto::Desenhar(HDC dc, const Rotulo& rotulo) {
  const ObjetoSelecionado selecao(dc, FonteGdi(rotulo.Font, rotulo.escala().PontosPorPolegadaY()));
  SetTextColor(dc, rotulo.ForeColor);
  const Retangulo p = rotulo.EmPixels();
  RECT r{p.x, p.y, p.x + p.w, p.y + p.h};
  Escrever(dc, rotulo.Caption, r, Formato(rotulo.Alignment, rotulo.WordWrap));
}

}  // namespace quillora
