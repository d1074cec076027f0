// Quillora.exe: the board is the start-up form; after its load step the
// program only answers window messages.
#include <windows.h>

#include <string>

#include "app/aplicacao.h"
#include "app/recursos.h"
#include "platform/instancia_unica.h"
#include "platform/win32/apartamento_com.h"
#include "platform/win32/icones_win32.h"
#include "platform/win32/janelas_win32.h"
#include "platform/win32/regioes_win32.h"
#include "platform/win32/runtime_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/tela_win32.h"
#include "platform/win32/texto_win32.h"

namespace {

std::string Recurso(HINSTANCE instancia, int id) {
  HRSRC r = FindResourceW(instancia, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (r == nullptr) return {};
  HGLOBAL dados = LoadResource(instancia, r);
  const void* bytes = dados ? LockResource(dados) : nullptr;
  if (bytes == nullptr) return {};
  return std::string(static_cast<const char*>(bytes), SizeofResource(instancia, r));
}

// Taken before any window exists, so that of two copies started at the same
// moment exactly one goes on. The handle lives as long as the process.
quillora::ResultadoMutex TomarMutex() {
  HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Local\\Brenvic.Quillora");
  const DWORD erro = GetLastError();
  if (mutex == nullptr) {
    return erro == ERROR_ACCESS_DENIED ? quillora::ResultadoMutex::AcessoNegado
                                       : quillora::ResultadoMutex::OutroErro;
  }
  return erro == ERROR_ALREADY_EXISTS ? quillora::ResultadoMutex::JaExistia
                                      : quillora::ResultadoMutex::Criado;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instancia, HINSTANCE, PWSTR, int) {
  const bool outraCopia = quillora::OutraCopiaRodando(TomarMutex());
  const quillora::ApartamentoCom apartamento;
  quillora::Win32Runtime rt(outraCopia);
  quillora::Win32Tela tela;
  quillora::Win32Texto texto;
  quillora::Win32Regioes regioes;
  quillora::IconesWin32 icones(instancia);
  quillora::Win32Shell shell(icones, IDI_QUILLORA);
  quillora::Win32Janelas janelas(instancia, texto, icones,
                                 {IDI_QUILLORA, IDI_SOBRE, IDC_MAO, IDC_MAO_ESCALAS});
  quillora::Aplicacao app(rt, {tela, janelas, regioes, texto, shell},
                          Recurso(instancia, IDR_MURAL));
  app.Iniciar();
  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
