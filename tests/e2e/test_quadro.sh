#!/usr/bin/env bash
# The real program shows its board at the top-right corner, 350 x 160,
# cut to the rounded outline, with a phrase, and never a taskbar button for
# the board or the hidden host; a missing dados.lst gives the message box
# and the program ends.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"

start_program
import -window root "$SHOTS/quadro-tela.png"
width=$(echo "$report" | awk '/^screen=/ {split($0, a, "[= ]"); print a[2]}')
expect() { echo "$report" | grep -qx "$1" || fail "expected '$1' in: $report"; }
# Placed with its design width (355) before it took the picture's size.
expect "rect=$((width - 355)) 0 $((width - 5)) 160"
expect "visible=1"
expect "toolwindow=1"
expect "appwindow=0"
expect "topmost=0"
expect "host=1 visible=0"
expect "region_bounds=5 5 345 155"
for p in "5 80=1" "20 5=1" "0 0=0" "4 80=0" "345 80=0" "19 5=0" "330 5=0"; do
  expect "inside $p"
done
[ -z "$(taskbar_windows)" ] || fail "taskbar buttons: $(taskbar_windows)"
convert "$SHOTS/quadro-tela.png" -crop 350x160+$((width - 355))+0 "$SHOTS/quadro.png"
stop_wine
rm -rf "$dir"

dir=$(install_copy sem-dados)
start_in "$dir"
wait_for 60 bash -c "xdotool search --onlyvisible --name '^Quillora 1.0\$'" || fail "no missing-file message"
import -window root "$SHOTS/arquivo-inexistente.png"
! inspect 0 | grep -qx "visible=1" || fail "a board came up without dados.lst"
press_ok || fail "the message box did not close"
wait_copies 0 30 || fail "program still running after the message"
rm -rf "$dir"
echo "board on the desktop: ok (screenshots in $SHOTS)"
