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
rm -rf "$dir"
echo "ten copies at once: ok"
