#pragma once
// Owners of the GDI and USER objects that the program creates, and scoped
// guards for what it borrows. Each keeps the program-wide count of live
// objects, which the test build reports.
#include <windows.h>

#include <utility>

namespace quillora {

// GDI and USER objects made by the program and not yet freed or handed over.
int ObjetosVivos();
void ObjetoCriado();
void ObjetoLiberado();

// A font, brush, bitmap or region of its own type.
template <typename H>
class Gdi {
 public:
  Gdi() = default;
  explicit Gdi(H objeto) : objeto_(objeto) {
    if (objeto_ != nullptr) ObjetoCriado();
  }
  ~Gdi() { Liberar(); }
  Gdi(Gdi&& outro) noexcept : objeto_(std::exchange(outro.objeto_, nullptr)) {}
  Gdi& operator=(Gdi&& outro) noexcept {
    if (this != &outro) {
      Liberar();
      objeto_ = std::exchange(outro.objeto_, nullptr);
    }
    return *this;
  }
  Gdi(const Gdi&) = delete;
  Gdi& operator=(const Gdi&) = delete;

  H get() const { return objeto_; }
  // Hands the object over (a region taken by a window): no longer ours.
  H Soltar() {
    if (objeto_ != nullptr) ObjetoLiberado();
    return std::exchange(objeto_, nullptr);
  }

 private:
  void Liberar() {
    if (objeto_ != nullptr && DeleteObject(objeto_)) ObjetoLiberado();
    objeto_ = nullptr;
  }
  H objeto_ = nullptr;
};

// An icon or cursor made by the program (not a shared one).
template <typename H, BOOL(WINAPI* Destruir)(H)>
class ObjetoUsuario {
 public:
  ObjetoUsuario() = default;
  explicit ObjetoUsuario(H objeto) : objeto_(objeto) {
    if (objeto_ != nullptr) ObjetoCriado();
  }
  ~ObjetoUsuario() {
    if (objeto_ != nullptr && Destruir(objeto_)) ObjetoLiberado();
  }
  ObjetoUsuario(ObjetoUsuario&& outro) noexcept : objeto_(std::exchange(outro.objeto_, nullptr)) {}
  ObjetoUsuario& operator=(ObjetoUsuario&& outro) noexcept {
    std::swap(objeto_, outro.objeto_);
    return *this;
  }
  ObjetoUsuario(const ObjetoUsuario&) = delete;
  ObjetoUsuario& operator=(const ObjetoUsuario&) = delete;

  H get() const { return objeto_; }
  explicit operator bool() const { return objeto_ != nullptr; }

 private:
  H objeto_ = nullptr;
};

using IconeProprio = ObjetoUsuario<HICON, DestroyIcon>;
using CursorProprio = ObjetoUsuario<HCURSOR, DestroyCursor>;

// The screen's device context, released when the guard goes.
class DcDaTela {
 public:
  DcDaTela() : dc_(GetDC(nullptr)) {}
  ~DcDaTela() {
    if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
  }
  DcDaTela(const DcDaTela&) = delete;
  DcDaTela& operator=(const DcDaTela&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// An object selected into a device context; what was there before goes
// back when the guard goes.
class ObjetoSelecionado {
 public:
  ObjetoSelecionado(HDC dc, HGDIOBJ objeto) : dc_(dc), anterior_(SelectObject(dc, objeto)) {}
  ~ObjetoSelecionado() {
    if (anterior_ != nullptr) SelectObject(dc_, anterior_);
  }
  ObjetoSelecionado(const ObjetoSelecionado&) = delete;
  ObjetoSelecionado& operator=(const ObjetoSelecionado&) = delete;

 private:
  HDC dc_;
  HGDIOBJ anterior_;
};

// A memory device context of its own.
class DcMemoria {
 public:
  DcMemoria();
  ~DcMemoria();
  DcMemoria(const DcMemoria&) = delete;
  DcMemoria& operator=(const DcMemoria&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A window's painting, from BeginPaint to EndPaint.
class Pintura {
 public:
  explicit Pintura(HWND janela) : janela_(janela), dc_(BeginPaint(janela, &ps_)) {}
  ~Pintura() { EndPaint(janela_, &ps_); }
  Pintura(const Pintura&) = delete;
  Pintura& operator=(const Pintura&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND janela_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

class MenuPopup {
 public:
  MenuPopup();
  ~MenuPopup();
  MenuPopup(const MenuPopup&) = delete;
  MenuPopup& operator=(const MenuPopup&) = delete;
  HMENU get() const { return menu_; }

 private:
  HMENU menu_;
};

}  // namespace quillora
