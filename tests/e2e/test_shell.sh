#!/usr/bin/env bash
# One scripted session with the real program: tray icon, left and right
# clicks, every menu command, the About dialog, the board's cross and drag,
# a second copy, and quitting.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
register_recorder

dir=$(install_copy)
(cd "$dir" && "$WINE" Quillora.exe >/dev/null 2>&1 &)
report=$(inspect 60) || fail "no board: $report"
[ "$(field visible "$report")" = 1 ] || fail "board not visible"
echo "$report" | grep -qx "host=1 visible=0" || fail "the host form must exist and stay hidden"
read -r left top right bottom <<<"$(field rect "$report")"
wait_for 20 tray_window || fail "no Wine System Tray"
read -r icon_x icon_y <<<"$(tray_icon_centre)"
tray_x=$((icon_x - 10)) tray_y=$((icon_y - 10))
import -window root -crop 20x20+"$tray_x"+"$tray_y" "$SHOTS/bandeja.png"
colours=$(convert "$SHOTS/bandeja.png" -format '%k' info:)
[ "$colours" -gt 8 ] || fail "no icon in the tray ($colours colours)"

# A left release on the icon draws a new phrase (a repeat is possible).
board_shot "$left" "$top" "$SHOTS/antes.png"
changed=0
for _ in 1 2 3 4 5; do
  tray_click 1
  sleep 0.5
  board_shot "$left" "$top" "$SHOTS/depois.png"
  if [ "$(compare -metric AE "$SHOTS/antes.png" "$SHOTS/depois.png" null: 2>&1)" != 0 ]; then
    changed=1; break
  fi
done
[ $changed = 1 ] || fail "left clicks did not change the phrase"

# Keep visible: into the always-on-top band and out again.
menu_pick 0 "$SHOTS/menu.png"
wait_for 10 bash -c "'$WINE' build/win64/quillora-inspetor.exe | tr -d '\r' | grep -qx topmost=1" ||
  fail "keep-visible did not put the board on top"
menu_pick 0
wait_for 10 bash -c "'$WINE' build/win64/quillora-inspetor.exe | tr -d '\r' | grep -qx topmost=0" ||
  fail "keep-visible did not take the board out of the band"

# A click elsewhere (here on the board's author line) closes the menu.
tray_click 3
wait_for 10 menu_window || fail "the tray menu did not open"
xdotool mousemove $((left + 200)) $((top + 141)) click 1
wait_menu_closed || fail "the menu stayed open"

# The suggestion e-mail reaches the mail program with its accents.
menu_pick 1
got=$(recorded_line 1) || fail "no suggestion address"
[ "$got" = "mailto:frases@brenvic.com.br?subject=Sugestão de Frase ou Provérbios&body=Frase ou Provérbio: %0D%0AAutor: " ] ||
  fail "suggestion address: $got"

# About: centred, modal, its e-mail link, closed by Okay.
menu_pick 2
wait_for 10 bash -c "'$WINE' build/win64/quillora-inspetor.exe | tr -d '\r' | grep -qx sobre_visible=1" ||
  fail "About did not open"
report=$(inspect)
import -window root "$SHOTS/sobre-tela.png"
read -r sl st sr sb <<<"$(field sobre_rect "$report")"
convert "$SHOTS/sobre-tela.png" -crop $((sr - sl))x$((sb - st))+"$sl"+"$st" "$SHOTS/sobre.png"
width=$(field screen "$report" | cut -d' ' -f1)
height=$(field screen "$report" | cut -d' ' -f2)
[ $(( (sl + sr) / 2 - width / 2 )) -le 1 ] && [ $(( (st + sb) / 2 - height / 2 )) -le 1 ] ||
  fail "About not centred: $sl $st $sr $sb"
[ "$(field enabled "$report")" = 0 ] || fail "the board takes input while About is open"
xdotool mousemove $((sl + 140)) $((sb - 172 + 118)) click 1  # the e-mail link
got=$(recorded_line 2) || fail "no address from the About e-mail link"
[ "$got" = "mailto:frases@brenvic.com.br" ] || fail "About e-mail link: $got"
xdotool mousemove $((sl + 132)) $((sb - 172 + 156)) click 1  # Okay
wait_for 10 bash -c "! '$WINE' build/win64/quillora-inspetor.exe | tr -d '\r' | grep -q sobre_visible=1" ||
  fail "Okay did not close About"
wait_for 10 bash -c "'$WINE' build/win64/quillora-inspetor.exe | tr -d '\r' | grep -qx enabled=1" ||
  fail "the board stays disabled after About"

# The cross hides the board; the next left click shows it at the same place.
xdotool mousemove $((left + 331)) $((top + 16)) click 1
wait_for 10 bash -c "'$WINE' build/win64/quillora-inspetor.exe | tr -d '\r' | grep -qx visible=0" ||
  fail "the cross did not hide the board"
tray_click 1
wait_for 10 bash -c "'$WINE' build/win64/quillora-inspetor.exe | tr -d '\r' | grep -qx visible=1" ||
  fail "a left click did not show the board again"
[ "$(field rect "$(inspect)")" = "$left $top $right $bottom" ] || fail "the board moved while hidden"

# Dragging the picture moves the board.
xdotool mousemove $((left + 8)) $((top + 80)) mousedown 1
xdotool mousemove $((left - 50)) $((top + 130))
xdotool mousemove $((left - 92)) $((top + 180)) mouseup 1
wait_for 10 bash -c "'$WINE' build/win64/quillora-inspetor.exe | tr -d '\r' | grep -qx 'rect=$((left - 100)) $((top + 100)) $((right - 100)) $((bottom + 100))'" ||
  fail "drag: $(field rect "$(inspect)")"
board_shot $((left - 100)) $((top + 100)) "$SHOTS/arrastado.png"

# A second copy leaves no new window and ends.
(cd "$dir" && "$WINE" Quillora.exe >/dev/null 2>&1 &)
wait_copies 2 10 || true  # it may end before it is seen
wait_copies 1 30 || fail "the second copy did not end"
[ "$(xdotool search --onlyvisible --class quillora.exe | wc -l)" -le 2 ] || fail "the second copy showed a window"

# Quit removes the icon and ends the process.
menu_pick 3
wait_copies 0 30 || fail "quit did not end the program"
sleep 0.5
import -window root -crop 20x20+"$tray_x"+"$tray_y" "$SHOTS/bandeja-depois.png" 2>/dev/null || true
if xdotool search --onlyvisible --name '^Wine System Tray$' >/dev/null 2>&1; then
  colours=$(convert "$SHOTS/bandeja-depois.png" -format '%k' info:)
  [ "$colours" -le 2 ] || fail "the tray icon is still there ($colours colours)"
fi
/usr/lib/wine/wineserver -k || true
rm -rf "$dir"
echo "shell under Wine: ok (screenshots in $SHOTS)"
