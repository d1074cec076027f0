#!/usr/bin/env bash
# Dragging the board: dropped exactly at the screen's top-left corner, the
# next phrase takes it back to the top-right corner; one pixel away it stays.
# A stale move that says the left button is down when it is not (as the
# system sends after a popup menu closes) starts no drag.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
start_program
width=$(field screen "$report" | cut -d' ' -f1)
home="$((width - 355)) 0 $((width - 5)) 160"
[ "$(board_rect)" = "$home" ] || fail "the board is not at its first place: $(board_rect)"

for corner in "1 0" "0 1" "0 0"; do
  read -r x y <<<"$corner"
  drag_board_to "$x" "$y"
  inspect --bandeja 1 >/dev/null  # a phrase; returns once the host has drawn it
  if [ "$corner" = "0 0" ]; then
    [ "$(board_rect)" = "$((width - 350)) 0 $width 160" ] ||
      fail "a board dropped at the corner stayed at $(board_rect)"
  else
    [ "$(board_rect)" = "$x $y $((x + 350)) $((y + 160))" ] ||
      fail "a board dropped at $x,$y moved to $(board_rect)"
  fi
done
import -window root "$SHOTS/arrasto-canto.png"

# The stale move: the board must not follow the pointer afterwards.
before=$(board_rect)
inspect --movimento-velho >/dev/null
xdotool mousemove 300 400
xdotool mousemove 320 420
inspect --bandeja 1 >/dev/null  # the host has handled everything before it
xdotool mousemove 340 440
[ "$(board_rect)" = "$before" ] || fail "a stale move glued the board to the pointer: $(board_rect)"
stop_wine
rm -rf "$dir"
echo "drags on the desktop: ok"
