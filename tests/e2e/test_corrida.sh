#!/usr/bin/env bash
# Ten copies started at the same moment leave exactly one program, one board
# and one tray icon.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
dir=$(install_copy)
for _ in $(seq 10); do
  (cd "$dir" && "$WINE" Quillora.exe >/dev/null 2>&1 &)
done
inspect 90 >/dev/null || fail "no board"
wait_copies 1 60 || fail "$(program_count) copies still running"
sleep 2
[ "$(program_count)" = 1 ] || fail "more than one copy is running"
boards=$(xdotool search --onlyvisible --class quillora.exe | while read -r w; do
  xdotool getwindowgeometry "$w" | grep -c 'Geometry: 350x160' || true; done | awk '{s += $1} END {print s + 0}')
[ "$boards" = 1 ] || fail "$boards boards on the screen"
# One icon: the tray's second icon cell is empty.
read -r x y <<<"$(tray_icon_centre)"
import -window root -crop 20x20+$((x + 10))+$((y - 10)) "$SHOTS/bandeja-corrida.png"
import -window root -crop 60x30+$((x - 13))+$((y - 15)) "$SHOTS/bandeja-corrida-inteira.png"
[ "$(convert "$SHOTS/bandeja-corrida.png" -format '%k' info:)" -le 2 ] || fail "more than one tray icon"
/usr/lib/wine/wineserver -k || true
rm -rf "$dir"
echo "ten copies at once: ok"
