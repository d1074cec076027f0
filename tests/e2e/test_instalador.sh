#!/usr/bin/env bash
# The 32-bit installer (the 64-bit one where the suite runs the 64-bit
# build) installs silently for the current user, the installed
# program starts from its folder and shows its board, and the uninstaller
# asks the copy it installed to close, waits for it and removes every file,
# shortcut and key that the installer made; a copy run from elsewhere goes
# on running.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
scripts/release.sh >/dev/null
versao=$(versao_produto)

install() {
  "$WINE" "build/release/Quillora-$versao-instalador-${BITS}bits.exe" /S
  pasta=$(find "$WINEPREFIX/drive_c/users" -type d -path '*AppData/Local/Programs/Quillora' | head -1)
  [ -n "$pasta" ] || fail "nothing installed under the user's programs folder"
}
uninstall() {
  "$WINE" "$pasta/Desinstalar.exe" /S
  wait_for 60 bash -c "[ ! -e '$pasta' ]" || fail "the uninstaller left: $(ls -A "$pasta" 2>&1)"
}

install
for f in Quillora.exe dados.lst Desinstalar.exe; do
  [ -f "$pasta/$f" ] || fail "$f not installed"
done
cmp "$pasta/Quillora.exe" "$EXE" || fail "the installed program is not the ${BITS}-bit build"
atalho=$(find "$WINEPREFIX/drive_c/users" -path '*Start Menu/Programs/Quillora/Quillora.lnk' | head -1)
[ -n "$atalho" ] || fail "no Start-menu shortcut"
"$WINE" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillora' >/dev/null 2>&1 ||
  fail "no uninstall entry"

# The installed copy runs while the uninstaller works: it is asked to close
# the way the quit command closes it (the tray icon goes first).
start_in "$pasta"
report=$(inspect 60) || fail "the installed program showed no board: $report"
[ "$(field visible "$report")" = 1 ] || fail "the installed board is not visible"
wait_for 20 has_tray_icon || fail "the installed program has no tray icon"
import -window root "$SHOTS/instalado.png"
uninstall
wait_copies 0 30 || fail "the installed copy still runs"
wait_for 10 no_tray_icon || fail "its tray icon stayed"
[ ! -e "$(dirname "$atalho")" ] || fail "the uninstaller left the Start-menu folder"
! "$WINE" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillora' >/dev/null 2>&1 ||
  fail "the uninstaller left its registry key"

# A copy run from another folder is not the uninstaller's to close.
install
outra=$(install_copy)
start_in "$outra"
inspect 60 >/dev/null || fail "the other copy showed no board"
uninstall
[ "$(program_count)" = 1 ] || fail "the uninstaller ended a copy it did not install"
menu_pick 3
wait_copies 0 30 || fail "quit did not end the other copy"
rm -rf "$outra"
echo "installer on the desktop: ok"
