#!/usr/bin/env bash
# Ten copies started at the same moment leave exactly one program, one board
# and one tray icon.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
dir=$(install_copy)
for _ in $(seq 10); do start_in "$dir"; done
inspect 90 >/dev/null || fail "no board"
wait_copies 1 60 || fail "$(program_count) copies still running"
wait_for 20 has_tray_icon || fail "no tray icon"
# Every loser ends before it makes a window or an icon: once only one
# process is left, one icon and one board remain.
one_process() { [ "$(pgrep -fc 'Quillora\.exe')" = 1 ]; }
wait_for 60 one_process || fail "$(pgrep -fa 'Quillora\.exe') still running"
[ "$(program_count)" = 1 ] || fail "more than one copy is running"
[ "$(tray_icon_count)" = 1 ] || fail "$(tray_icon_count) tray icons"
boards=$(xdotool search --onlyvisible --class quillora.exe | while read -r w; do
  xdotool getwindowgeometry "$w" | grep -c 'Geometry: 350x160' || true; done | awk '{s += $1} END {print s + 0}')
[ "$boards" = 1 ] || fail "$boards boards on the screen"
import -window root "$SHOTS/corrida.png"
stop_wine

# A copy running elevated holds the mutex where this one may not open it:
# that is another copy too, and this one ends without a window or an icon.
trava=$(mktemp)
"$WINE" $BIN/quillora-inspetor.exe --mutex-negado 60 >"$trava" 2>&1 &
wait_for 30 grep -q held "$trava" || fail "could not hold the mutex"
start_in "$dir"
no_process() { ! pgrep -f 'Quillora\.exe' >/dev/null; }
wait_for 60 no_process || fail "the program did not end beside a mutex it may not open"
[ "$(tray_icon_count)" = 0 ] || fail "it added a tray icon"
! board_has visible=1 || fail "it showed its board"
rm -f "$trava"
stop_wine
rm -rf "$dir"
echo "ten copies at once, and a mutex we may not open: ok"
