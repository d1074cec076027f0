#include "platform/win32/objetos_win32.h"

#include <utility>

namespace quillora {
namespace {

int vivos = 0;

}  // namespace

int ObjetosVivos() { return vivos; }
void JanelaCriada() { ++vivos; }
void JanelaDestruida() { --vivos; }

ObjetoGdi::ObjetoGdi(HGDIOBJ objeto) : objeto_(objeto) {
  if (objeto_ != nullptr) ++vivos;
}

ObjetoGdi::~ObjetoGdi() {
  if (objeto_ != nullptr && DeleteObject(objeto_)) --vivos;
}

ObjetoGdi::ObjetoGdi(ObjetoGdi&& outro) noexcept : objeto_(outro.objeto_) {
  outro.objeto_ = nullptr;
}

ObjetoGdi& ObjetoGdi::operator=(ObjetoGdi&& outro) noexcept {
  if (this != &outro) {
    ObjetoGdi velho(std::move(*this));
    objeto_ = outro.objeto_;
    outro.objeto_ = nullptr;
  }
  return *this;
}

HGDIOBJ ObjetoGdi::Soltar() {
  HGDIOBJ objeto = objeto_;
  if (objeto_ != nullptr) --vivos;
  objeto_ = nullptr;
  return objeto;
}

DcMemoria::DcMemoria() : dc_(CreateCompatibleDC(nullptr)) {
  if (dc_ != nullptr) ++vivos;
}

DcMemoria::~DcMemoria() {
  if (dc_ == nullptr) return;
  if (anterior_ != nullptr) SelectObject(dc_, anterior_);
  if (DeleteDC(dc_)) --vivos;
}

void DcMemoria::Selecionar(HGDIOBJ objeto) {
  HGDIOBJ antes = SelectObject(dc_, objeto);
  if (anterior_ == nullptr) anterior_ = antes;
}

MenuPopup::MenuPopup() : menu_(CreatePopupMenu()) {
  if (menu_ != nullptr) ++vivos;
}

MenuPopup::~MenuPopup() {
  if (menu_ != nullptr && DestroyMenu(menu_)) --vivos;
}

}  // namespace quillora
