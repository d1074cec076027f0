; Quillora's installer: per user, no administrator rights, Brazilian
; Portuguese pages. Built by scripts/release.sh:
;   makensis -DARQUITETURA=x86|x64 -DORIGEM=<folder with Quillora.exe and dados.lst>
;            -DSAIDA=<installer.exe> tools/pacote/quillora.nsi
Unicode true
!include "MUI2.nsh"
!include "WinMessages.nsh"
!include "x64.nsh"

!ifndef ARQUITETURA
  !define ARQUITETURA x86
!endif
; The product's name, maker and version, as platform/produto.h states them.
!searchparse /file "${__FILEDIR__}/../../platform/produto.h" '#define QUILLORA_NOME "' PRODUTO '"'
!searchparse /file "${__FILEDIR__}/../../platform/produto.h" '#define QUILLORA_EMPRESA "' EMPRESA '"'
!searchparse /file "${__FILEDIR__}/../../platform/produto.h" '#define QUILLORA_VERSAO_PONTOS "' VERSAO '"'
!define CHAVE_DESINSTALAR "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillora"

Name "${PRODUTO}"
OutFile "${SAIDA}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUTO}"
SetCompressor /SOLID lzma
VIProductVersion "${VERSAO}"
VIAddVersionKey /LANG=1046 "ProductName" "${PRODUTO}"
VIAddVersionKey /LANG=1046 "CompanyName" "${EMPRESA}"
VIAddVersionKey /LANG=1046 "FileDescription" "Instalador do ${PRODUTO}"
VIAddVersionKey /LANG=1046 "FileVersion" "${VERSAO}"
VIAddVersionKey /LANG=1046 "ProductVersion" "${VERSAO}"
VIAddVersionKey /LANG=1046 "LegalCopyright" "© ${EMPRESA}"

!define MUI_ICON "${__FILEDIR__}/../../app/quillora.ico"
!define MUI_UNICON "${__FILEDIR__}/../../app/quillora.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quillora.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "PortugueseBR"

Function .onInit
  !if ${ARQUITETURA} == x64
    ${IfNot} ${RunningX64}
      MessageBox MB_ICONSTOP "Este instalador é para o Windows de 64 bits."
      Abort
    ${EndIf}
  !endif
FunctionEnd

Section "Quillora (obrigatório)" SecPrograma
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${ORIGEM}\Quillora.exe"
  File "${ORIGEM}\dados.lst"
  WriteUninstaller "$INSTDIR\Desinstalar.exe"
  CreateDirectory "$SMPROGRAMS\${PRODUTO}"
  CreateShortcut "$SMPROGRAMS\${PRODUTO}\${PRODUTO}.lnk" "$INSTDIR\Quillora.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUTO}\Desinstalar ${PRODUTO}.lnk" "$INSTDIR\Desinstalar.exe"
  WriteRegStr HKCU "${CHAVE_DESINSTALAR}" "DisplayName" "${PRODUTO}"
  WriteRegStr HKCU "${CHAVE_DESINSTALAR}" "DisplayVersion" "${VERSAO}"
  WriteRegStr HKCU "${CHAVE_DESINSTALAR}" "Publisher" "${EMPRESA}"
  WriteRegStr HKCU "${CHAVE_DESINSTALAR}" "DisplayIcon" "$INSTDIR\Quillora.exe"
  WriteRegStr HKCU "${CHAVE_DESINSTALAR}" "UninstallString" '"$INSTDIR\Desinstalar.exe"'
  WriteRegStr HKCU "${CHAVE_DESINSTALAR}" "QuietUninstallString" '"$INSTDIR\Desinstalar.exe" /S'
  WriteRegDWORD HKCU "${CHAVE_DESINSTALAR}" "NoModify" 1
  WriteRegDWORD HKCU "${CHAVE_DESINSTALAR}" "NoRepair" 1
SectionEnd

Section /o "Iniciar com o Windows" SecIniciar
  CreateShortcut "$SMSTARTUP\${PRODUTO}.lnk" "$INSTDIR\Quillora.exe"
SectionEnd

LangString DESC_PROGRAMA ${LANG_PORTUGUESEBR} "O programa e o seu arquivo de frases."
LangString DESC_INICIAR ${LANG_PORTUGUESEBR} "Mostra uma frase sempre que o Windows for iniciado."
!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecPrograma} $(DESC_PROGRAMA)
  !insertmacro MUI_DESCRIPTION_TEXT ${SecIniciar} $(DESC_INICIAR)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; Asks the copy installed in $INSTDIR, if it runs, to close the way its quit
; command closes it (the tray icon goes first), and waits for it. Each copy
; has one host window; copies run from other folders are left alone.
Function un.FecharCopiaInstalada
  StrCpy $0 0
  laco:
    FindWindow $0 "QuilloraPrincipal" "" 0 $0
    StrCmp $0 0 fim
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1) i'
    ; SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION
    System::Call 'kernel32::OpenProcess(i 0x00101000, i 0, i r1) p .r2'
    StrCmp $2 0 laco
    StrCpy $4 ${NSIS_MAX_STRLEN}
    System::Call 'kernel32::QueryFullProcessImageNameW(p r2, i 0, w .r3, *i r4) i'
    StrCmp $3 "$INSTDIR\Quillora.exe" 0 proxima
      System::Call 'user32::PostMessageW(p r0, i ${WM_CLOSE}, p 0, p 0) i'
      System::Call 'kernel32::WaitForSingleObject(p r2, i 15000) i'
    proxima:
    System::Call 'kernel32::CloseHandle(p r2) i'
    Goto laco
  fim:
FunctionEnd

Section "Uninstall"
  ; A running copy would keep its files.
  Call un.FecharCopiaInstalada
  Delete "$INSTDIR\Quillora.exe"
  Delete "$INSTDIR\dados.lst"
  Delete "$INSTDIR\Desinstalar.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUTO}\${PRODUTO}.lnk"
  Delete "$SMPROGRAMS\${PRODUTO}\Desinstalar ${PRODUTO}.lnk"
  RMDir "$SMPROGRAMS\${PRODUTO}"
  Delete "$SMSTARTUP\${PRODUTO}.lnk"
  DeleteRegKey HKCU "${CHAVE_DESINSTALAR}"
SectionEnd
