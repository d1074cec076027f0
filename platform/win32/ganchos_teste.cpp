#include "platform/win32/ganchos_teste.h"

#include <objbase.h>

#include "platform/win32/apartamento_com.h"
#include "platform/win32/objetos_win32.h"

namespace quillora {
namespace {

// 1 when the program has entered a single-threaded apartment and the thread
// is in one, 2 when the thread is multi-threaded, 0 otherwise.
LRESULT Apartamento() {
  APTTYPE tipo{};
  APTTYPEQUALIFIER qualificador{};
  if (!ApartamentoCom::Iniciado() || FAILED(CoGetApartmentType(&tipo, &qualificador))) return 0;
  return tipo == APTTYPE_STA || tipo == APTTYPE_MAINSTA ? 1 : 2;
}

// The width in pixels of the pointer the program shows now.
LRESULT LadoPonteiro() {
  ICONINFO info{};
  if (!GetIconInfo(GetCursor(), &info)) return 0;
  BITMAP mascara{};
  GetObjectW(info.hbmMask, sizeof mascara, &mascara);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return mascara.bmWidth;
}

}  // namespace

GanchosTeste::GanchosTeste() {
#ifdef QUILLORA_GANCHOS_TESTE
  objetosVivos_ = RegisterWindowMessageW(L"Quillora.ObjetosVivos");
  apartamento_ = RegisterWindowMessageW(L"Quillora.ApartamentoCom");
  ativacoes_ = RegisterWindowMessageW(L"Quillora.AtivacoesQuadro");
  ponteiro_ = RegisterWindowMessageW(L"Quillora.LadoPonteiro");
  escala_ = RegisterWindowMessageW(L"Quillora.MudarEscala");
#endif
}

std::optional<LRESULT> GanchosTeste::Responder(UINT mensagem) const {
  if (mensagem == 0) return std::nullopt;
  if (mensagem == objetosVivos_) return ObjetosVivos();
  if (mensagem == apartamento_) return Apartamento();
  if (mensagem == ativacoes_) return ativacoesQuadro_;
  if (mensagem == ponteiro_) return LadoPonteiro();
  return std::nullopt;
}

void GanchosTeste::JanelaAtivada(HWND janela, const wchar_t* classeQuadro) {
  if (ativacoes_ == 0) return;
  wchar_t classe[64] = {};
  GetClassNameW(janela, classe, 64);
  if (lstrcmpW(classe, classeQuadro) == 0) ++ativacoesQuadro_;
}

}  // namespace quillora
