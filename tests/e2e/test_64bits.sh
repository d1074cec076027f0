#!/usr/bin/env bash
# The 64-bit build, a short run on the same desktop: it starts with its
# board and tray icon, a left click draws, and quitting ends it.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
dir=$(install_copy "" build/win64/Quillora.exe)
(cd "$dir" && "$WINE64" Quillora.exe >/dev/null 2>&1 &)
report=$(inspect 60) || fail "no board: $report"
[ "$(field visible "$report")" = 1 ] || fail "board not visible"
wait_for 20 has_tray_icon || fail "no tray icon"
read -r left top _ _ <<<"$(field rect "$report")"
board_shot "$left" "$top" "$SHOTS/64bits-antes.png"
changed() {
  board_shot "$left" "$top" "$SHOTS/64bits-depois.png"
  [ "$(compare -metric AE "$SHOTS/64bits-antes.png" "$SHOTS/64bits-depois.png" null: 2>&1)" != 0 ]
}
for _ in 1 2 3 4 5; do
  tray_click 1
  wait_for 3 changed && break
done
changed || fail "left clicks did not change the phrase"
menu_pick 3
wait_copies 0 30 || fail "quit did not end the program"
wait_for 10 no_tray_icon || fail "the tray icon stayed"
rm -rf "$dir"
echo "64-bit build on the desktop: ok"
