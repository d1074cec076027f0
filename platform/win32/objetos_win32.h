#pragma once
// Owners of the GDI and USER objects that the program creates. Each keeps
// the program-wide count of live objects, which a test build reports.
#include <windows.h>

namespace quillora {

// GDI and USER objects made by the program and not yet freed or handed over.
int ObjetosVivos();
// For windows, whose end the window procedure sees (WM_NCDESTROY).
void JanelaCriada();
void JanelaDestruida();

// A font, brush, bitmap or region.
class ObjetoGdi {
 public:
  ObjetoGdi() = default;
  explicit ObjetoGdi(HGDIOBJ objeto);
  ~ObjetoGdi();
  ObjetoGdi(ObjetoGdi&& outro) noexcept;
  ObjetoGdi& operator=(ObjetoGdi&& outro) noexcept;
  ObjetoGdi(const ObjetoGdi&) = delete;
  ObjetoGdi& operator=(const ObjetoGdi&) = delete;

  HGDIOBJ get() const { return objeto_; }
  // Hands the object over (a region taken by a window): no longer ours.
  HGDIOBJ Soltar();

 private:
  HGDIOBJ objeto_ = nullptr;
};

// A memory device context; what was selected into it is restored first.
class DcMemoria {
 public:
  DcMemoria();
  ~DcMemoria();
  DcMemoria(const DcMemoria&) = delete;
  DcMemoria& operator=(const DcMemoria&) = delete;
  HDC get() const { return dc_; }
  void Selecionar(HGDIOBJ objeto);

 private:
  HDC dc_;
  HGDIOBJ anterior_ = nullptr;
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
