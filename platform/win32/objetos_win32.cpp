#include "platform/win32/objetos_win32.h"

namespace quillora {
namespace {

int vivos = 0;

}  // namespace

int ObjetosVivos() { return vivos; }
void ObjetoCriado() { ++vivos; }
void ObjetoLiberado() { --vivos; }

DcMemoria::DcMemoria() : dc_(CreateCompatibleDC(nullptr)) {
  if (dc_ != nullptr) ObjetoCriado();
}

DcMemoria::~DcMemoria() {
  if (dc_ != nullptr && DeleteDC(dc_)) ObjetoLiberado();
}

MenuPopup::MenuPopup() : menu_(CreatePopupMenu()) {
  if (menu_ != nullptr) ObjetoCriado();
}

MenuPopup::~MenuPopup() {
  if (menu_ != nullptr && DestroyMenu(menu_)) ObjetoLiberado();
}

}  // namespace quillora
