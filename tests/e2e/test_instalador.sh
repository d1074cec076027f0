#!/usr/bin/env bash
# The 64-bit installer installs silently for the current user, the installed
# program starts from its folder and shows its board, and the uninstaller
# removes every file, shortcut and key that the installer made.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
scripts/release.sh >/dev/null
versao=$(sed -n 's/^#define QUILLORA_VERSAO_PONTOS "\(.*\)"$/\1/p' app/versao.h)
"$WINE" "build/release/Quillora-$versao-instalador-64bits.exe" /S
pasta=$(find "$WINEPREFIX/drive_c/users" -type d -path '*AppData/Local/Programs/Quillora' | head -1)
[ -n "$pasta" ] || fail "nothing installed under the user's programs folder"
for f in Quillora.exe dados.lst Desinstalar.exe; do
  [ -f "$pasta/$f" ] || fail "$f not installed"
done
atalho=$(find "$WINEPREFIX/drive_c/users" -path '*Start Menu/Programs/Quillora/Quillora.lnk' | head -1)
[ -n "$atalho" ] || fail "no Start-menu shortcut"
"$WINE" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillora' >/dev/null 2>&1 ||
  fail "no uninstall entry"

(cd "$pasta" && "$WINE" Quillora.exe >/dev/null 2>&1 &)
report=$(inspect 60) || fail "the installed program showed no board: $report"
[ "$(field visible "$report")" = 1 ] || fail "the installed board is not visible"
import -window root "$SHOTS/instalado.png"
menu_pick 3
wait_copies 0 30 || fail "quit did not end the program"

"$WINE" "$pasta/Desinstalar.exe" /S
wait_for 60 bash -c "[ ! -e '$pasta' ]" || fail "the uninstaller left: $(ls -A "$pasta" 2>&1)"
[ ! -e "$(dirname "$atalho")" ] || fail "the uninstaller left the Start-menu folder"
! "$WINE" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillora' >/dev/null 2>&1 ||
  fail "the uninstaller left its registry key"
echo "installer under Wine: ok"
