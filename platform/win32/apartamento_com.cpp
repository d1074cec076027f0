#include "platform/win32/apartamento_com.h"

#include <objbase.h>

namespace quillora {
namespace {

bool iniciado = false;

}  // namespace

ApartamentoCom::ApartamentoCom()
    : resultado_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {
  iniciado = SUCCEEDED(resultado_);
}

ApartamentoCom::~ApartamentoCom() {
  if (SUCCEEDED(resultado_)) CoUninitialize();
  iniciado = false;
}

bool ApartamentoCom::Iniciado() { return iniciado; }

}  // namespace quillora
