// quillora-recursos: prints what an executable's resources hold, read the
// way Windows reads them (as a data file, so it works for the 32-bit
// program too): the version record, the icon and cursor groups and the manifest.
//   quillora-recursos EXE
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string Utf8(const wchar_t* texto) {
  const int n = WideCharToMultiByte(CP_UTF8, 0, texto, -1, nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<std::size_t>(n > 0 ? n - 1 : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, texto, -1, s.data(), n, nullptr, nullptr);
  return s;
}

void Versao(const wchar_t* exe) {
  DWORD ignorado = 0;
  const DWORD tamanho = GetFileVersionInfoSizeW(exe, &ignorado);
  std::vector<char> dados(tamanho);
  if (tamanho == 0 || !GetFileVersionInfoW(exe, 0, tamanho, dados.data())) {
    std::printf("version=none\n");
    return;
  }
  VS_FIXEDFILEINFO* fixo = nullptr;
  UINT n = 0;
  VerQueryValueW(dados.data(), L"\\", reinterpret_cast<void**>(&fixo), &n);
  std::printf("file_version=%u.%u.%u.%u\n", static_cast<unsigned>(HIWORD(fixo->dwFileVersionMS)),
              static_cast<unsigned>(LOWORD(fixo->dwFileVersionMS)), static_cast<unsigned>(HIWORD(fixo->dwFileVersionLS)),
              static_cast<unsigned>(LOWORD(fixo->dwFileVersionLS)));
  std::printf("product_version=%u.%u.%u.%u\n", static_cast<unsigned>(HIWORD(fixo->dwProductVersionMS)),
              static_cast<unsigned>(LOWORD(fixo->dwProductVersionMS)), static_cast<unsigned>(HIWORD(fixo->dwProductVersionLS)),
              static_cast<unsigned>(LOWORD(fixo->dwProductVersionLS)));
  for (const wchar_t* nome : {L"CompanyName", L"FileDescription", L"ProductName", L"FileVersion",
                              L"ProductVersion", L"InternalName", L"OriginalFilename"}) {
    const std::wstring caminho = std::wstring(L"\\StringFileInfo\\040904B0\\") + nome;
    wchar_t* valor = nullptr;
    if (VerQueryValueW(dados.data(), caminho.c_str(), reinterpret_cast<void**>(&valor), &n)) {
      std::printf("%s=%s\n", Utf8(nome).c_str(), Utf8(valor).c_str());
    }
  }
}

#pragma pack(push, 2)
struct EntradaGrupo {
  BYTE largura, altura, cores, reservado;
  WORD planos, bits;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

BOOL CALLBACK Grupo(HMODULE modulo, LPCWSTR, LPWSTR nome, LONG_PTR) {
  HRSRC r = FindResourceW(modulo, nome, MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  const auto* p = static_cast<const BYTE*>(LockResource(LoadResource(modulo, r)));
  const WORD contagem = *reinterpret_cast<const WORD*>(p + 4);
  const auto* e = reinterpret_cast<const EntradaGrupo*>(p + 6);
  std::printf("icon_group=%u:", IS_INTRESOURCE(nome) ? static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(nome)) : 0u);
  for (WORD i = 0; i < contagem; ++i) {
    std::printf(" %ux%u@%u", e[i].largura ? e[i].largura : 256, e[i].altura ? e[i].altura : 256,
                e[i].bits);
  }
  std::printf("\n");
  return TRUE;
}

#pragma pack(push, 2)
struct EntradaCursor {
  WORD largura, altura;  // the height of the AND and XOR masks together
  WORD planos, bits;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

BOOL CALLBACK GrupoCursor(HMODULE modulo, LPCWSTR, LPWSTR nome, LONG_PTR) {
  HRSRC r = FindResourceW(modulo, nome, MAKEINTRESOURCEW(12));  // RT_GROUP_CURSOR
  const auto* p = static_cast<const BYTE*>(LockResource(LoadResource(modulo, r)));
  const WORD contagem = *reinterpret_cast<const WORD*>(p + 4);
  const auto* e = reinterpret_cast<const EntradaCursor*>(p + 6);
  std::printf("cursor_group=%u:",
              IS_INTRESOURCE(nome) ? static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(nome)) : 0u);
  for (WORD i = 0; i < contagem; ++i) std::printf(" %ux%u", e[i].largura, e[i].altura / 2);
  std::printf("\n");
  return TRUE;
}

// The text of the manifest's element `nome` (its opening tag carries a
// namespace, so it is followed by a space).
std::string Elemento(const std::string& xml, const std::string& nome) {
  const std::size_t abre = xml.find("<" + nome + " ");
  if (abre == std::string::npos) return "none";
  const std::size_t inicio = xml.find('>', abre) + 1;
  return xml.substr(inicio, xml.find("</" + nome + ">", inicio) - inicio);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  Versao(argv[1]);
  HMODULE modulo = LoadLibraryExW(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (modulo == nullptr) {
    std::printf("load=failed\n");
    return 1;
  }
  EnumResourceNamesW(modulo, MAKEINTRESOURCEW(14), Grupo, 0);
  EnumResourceNamesW(modulo, MAKEINTRESOURCEW(12), GrupoCursor, 0);
  HRSRC manifesto = FindResourceW(modulo, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
  if (manifesto != nullptr) {
    const char* texto = static_cast<const char*>(LockResource(LoadResource(modulo, manifesto)));
    const std::string xml(texto, SizeofResource(modulo, manifesto));
    std::printf("manifest_common_controls_6=%d\n",
                xml.find("Microsoft.Windows.Common-Controls") != std::string::npos &&
                        xml.find("6.0.0.0") != std::string::npos ? 1 : 0);
    std::printf("manifest_dpi_aware=%s\n", Elemento(xml, "dpiAware").c_str());
    std::printf("manifest_dpi_awareness=%s\n", Elemento(xml, "dpiAwareness").c_str());
  }
  FreeLibrary(modulo);
  return 0;
}
