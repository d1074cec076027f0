#include "platform/win32/regioes_win32.h"

#include <optional>

namespace quillora {
namespace {

HRGN Regiao(Hrgn r) { return reinterpret_cast<HRGN>(r.valor); }
HDC Dc(Hdc d) { return reinterpret_cast<HDC>(d.valor); }

}  // namespace

// A memory DC holding a 32-bit DIB: what AutoRedraw keeps. The selection
// goes first, then the DC, then the bitmap.
struct Win32Regioes::ImagemPersistente {
  Gdi<HBITMAP> bitmap;
  DcMemoria dc;
  std::optional<ObjetoSelecionado> selecao;
};

Win32Regioes::Win32Regioes() = default;
Win32Regioes::~Win32Regioes() = default;

Hdc Win32Regioes::CriarImagemPersistente(const Imagem& imagem) {
  auto p = std::make_unique<ImagemPersistente>();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = imagem.largura;
  info.bmiHeader.biHeight = -imagem.altura;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  p->bitmap = Gdi<HBITMAP>(CreateDIBSection(p->dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (p->dc.get() == nullptr || p->bitmap.get() == nullptr) return {};
  auto* destino = static_cast<std::uint32_t*>(bits);
  for (std::size_t i = 0; i < imagem.pixels.size(); ++i) {
    const Cor c = imagem.pixels[i];  // 0x00BBGGRR -> 0x00RRGGBB
    destino[i] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  }
  p->selecao.emplace(p->dc.get(), p->bitmap.get());
  const Hdc dc{reinterpret_cast<std::uintptr_t>(p->dc.get())};
  imagens_.push_back(std::move(p));
  return dc;
}

void Win32Regioes::LiberarImagemPersistente(Hdc dc) {
  std::erase_if(imagens_, [dc](const std::unique_ptr<ImagemPersistente>& p) {
    return p->dc.get() == Dc(dc);
  });
}

Cor Win32Regioes::GetPixel(Hdc dc, int x, int y) { return ::GetPixel(Dc(dc), x, y); }

Hrgn Win32Regioes::CreateRectRgn(int esquerda, int topo, int direita, int base) {
  HRGN regiao = ::CreateRectRgn(esquerda, topo, direita, base);
  if (regiao != nullptr) regioes_.emplace(regiao, Gdi<HRGN>(regiao));
  return Hrgn{reinterpret_cast<std::uintptr_t>(regiao)};
}

int Win32Regioes::CombineRgn(Hrgn destino, Hrgn a, Hrgn b, ModoCombinacao) {
  return ::CombineRgn(Regiao(destino), Regiao(a), Regiao(b), RGN_OR);
}

bool Win32Regioes::DeleteObject(Hrgn regiao) {
  const auto it = regioes_.find(Regiao(regiao));
  if (it == regioes_.end()) return ::DeleteObject(Regiao(regiao)) != 0;
  regioes_.erase(it);
  return true;
}

// The window takes the region on success only; until then it stays ours.
int Win32Regioes::SetWindowRgn(Hwnd janela, Hrgn regiao, bool redesenhar) {
  const int feito = ::SetWindowRgn(reinterpret_cast<HWND>(janela.valor), Regiao(regiao),
                                   redesenhar ? TRUE : FALSE);
  const auto it = regioes_.find(Regiao(regiao));
  if (feito && it != regioes_.end()) {
    it->second.Soltar();
    regioes_.erase(it);
  }
  return feito;
}

}  // namespace quillora
