#!/usr/bin/env bash
# One session with the real program on the desktop, by mouse: the icon in
# the tray with its tooltip, left and right clicks, every menu command, the
# About dialog, the board's cross and drag, a second copy, and quitting.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
register_recorder

start_program
[ "$(field visible "$report")" = 1 ] || fail "board not visible"
echo "$report" | grep -qx "host=1 visible=0" || fail "the host form must exist and stay hidden"
read -r left top right bottom <<<"$(field rect "$report")"
[ "$(tray_icon_count)" = 1 ] || fail "$(tray_icon_count) icons in the tray"
read -r icon_x icon_y <<<"$(tray_icon_centre)"
import -window root -crop 24x24+$((icon_x - 12))+$((icon_y - 12)) "$SHOTS/bandeja.png"
colours=$(convert "$SHOTS/bandeja.png" -format '%k' info:)
[ "$colours" -gt 8 ] || fail "no icon picture in the tray ($colours colours)"

# The tooltip of the icon.
xdotool mousemove $((icon_x - 3)) $((icon_y - 3)) mousemove "$icon_x" "$icon_y"
tip=$(inspect --dica 10) || fail "no tooltip over the icon"
[ "$tip" = "tooltip=Quillora" ] || fail "the icon's $tip"
import -window root "$SHOTS/bandeja-dica.png"

# A left release on the icon draws a new phrase (a repeat is possible).
board_shot "$left" "$top" "$SHOTS/antes.png"
changed() {
  board_shot "$left" "$top" "$SHOTS/depois.png"
  [ "$(compare -metric AE "$SHOTS/antes.png" "$SHOTS/depois.png" null: 2>&1)" != 0 ]
}
for _ in 1 2 3 4 5; do
  tray_click 1
  wait_for 3 changed && break
done
changed || fail "left clicks did not change the phrase"

# Keep visible: into the always-on-top band and out again.
menu_pick 0 "$SHOTS/menu.png"
wait_for 10 board_has topmost=1 || fail "keep-visible did not put the board on top"
menu_pick 0
wait_for 10 board_has topmost=0 || fail "keep-visible did not take the board out of the band"

# A click elsewhere (here on the board's author line) closes the menu, and
# the board stays where it is.
open_menu
xdotool mousemove $((left + 200)) $((top + 141)) click 1
wait_for 10 menu_closed || fail "the menu stayed open"
xdotool mousemove 300 400
[ "$(board_rect)" = "$left $top $right $bottom" ] || fail "the board moved: $(board_rect)"

# The suggestion e-mail reaches the mail program with its accents.
menu_pick 1
got=$(recorded_line 1) || fail "no suggestion address"
[ "$got" = "mailto:frases@brenvic.com.br?subject=Sugestão de Frase ou Provérbios&body=Frase ou Provérbio: %0D%0AAutor: " ] ||
  fail "suggestion address: $got"

# About: centred, modal, with a taskbar button, its e-mail link, closed by
# Okay; then the board takes input again and the button is gone.
open_about
report=$(inspect)
read -r sl st sr sb <<<"$(field sobre_rect "$report")"
width=$(field screen "$report" | cut -d' ' -f1)
height=$(field screen "$report" | cut -d' ' -f2)
[ $(( (sl + sr) / 2 - width / 2 )) -le 1 ] && [ $(( (st + sb) / 2 - height / 2 )) -le 1 ] ||
  fail "About not centred: $sl $st $sr $sb"
[ "$(field enabled "$report")" = 0 ] || fail "the board takes input while About is open"
taskbar_windows | grep -q ' "Sobre o Quillora 1.0"$' || fail "About has no taskbar button: $(taskbar_windows)"
import -window root "$SHOTS/sobre-tela.png"
xdotool mousemove $((cx + 100)) $((cy + 118)) click 1  # the e-mail link
got=$(recorded_line 2) || fail "no address from the About e-mail link"
[ "$got" = "mailto:frases@brenvic.com.br" ] || fail "About e-mail link: $got"
xdotool mousemove $((cx + 132)) $((cy + 156)) click 1  # Okay
wait_for 10 board_lacks sobre_visible=1 || fail "Okay did not close About"
wait_for 10 board_has enabled=1 || fail "the board stays disabled after About"
[ -z "$(taskbar_windows)" ] || fail "taskbar buttons after About: $(taskbar_windows)"

# The cross hides the board; the next left click shows it at the same place.
xdotool mousemove $((left + 331)) $((top + 16)) click 1
wait_for 10 board_has visible=0 || fail "the cross did not hide the board"
tray_click 1
wait_for 10 board_has visible=1 || fail "a left click did not show the board again"
[ "$(board_rect)" = "$left $top $right $bottom" ] || fail "the board moved while hidden"

# Dragging the picture moves the board, and it stays where it was dropped.
drag_board_to $((left - 100)) $((top + 100))
xdotool mousemove 300 500
inspect --bandeja 0 >/dev/null  # the host has handled all input before it
[ "$(board_rect)" = "$((left - 100)) $((top + 100)) $((right - 100)) $((bottom + 100))" ] ||
  fail "drag: $(board_rect)"
board_shot $((left - 100)) $((top + 100)) "$SHOTS/arrastado.png"

# A second copy leaves no new window or icon and ends.
start_in "$dir"
wait_copies 2 10 || true  # it may end before it is seen
wait_copies 1 30 || fail "the second copy did not end"
[ "$(xdotool search --onlyvisible --class quillora.exe | wc -l)" -le 1 ] || fail "the second copy showed a window"
[ "$(tray_icon_count)" = 1 ] || fail "the second copy added an icon"

# Quit removes the icon and ends the process.
menu_pick 3
wait_copies 0 30 || fail "quit did not end the program"
wait_for 10 no_tray_icon || fail "the tray icon is still there"
rm -rf "$dir"
echo "shell on the desktop: ok (screenshots in $SHOTS)"
