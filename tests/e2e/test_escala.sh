#!/usr/bin/env bash
# At 120, 144 and 192 dots per inch (Wine's LogPixels, as users of large
# screens set it) the real program is the design at that scale: the board
# the picture's size for it, at the right edge, cut to its outline; its
# author on the board; the cross and the envelope answering at their scaled
# places; a tray click drawing; About whole; a scale change while it runs
# drawing it all again. Screenshots of one- and four-line phrases at each
# scale are saved for a look.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
register_recorder
gen=$(mktemp -d)

trap 'wine_set_dpi 96; rm -rf "$gen"' EXIT

# Twips to pixels at the scale, to the nearest.
px() { echo $(((2 * $1 * dpi + 1440) / 2880)); }

# A dados.lst holding one phrase: every draw shows it.
one_phrase() {
  printf '%s\t%s\n' "$1" "$2" >"$gen/lista.txt"
  build/native/quillora-frases pack "$gen/lista.txt" "$3" >/dev/null 2>&1
}
one_phrase "Quem espera sempre alcança." "Provérbio popular" "$gen/uma.lst"
one_phrase "Não deixe para amanhã o que se pode fazer hoje, porque amanhã pode chover e \
o que era simples fica difícil; quem adia o trabalho acaba por fazê-lo com pressa e mal." \
  "Sabedoria popular" "$gen/quatro.lst"

# Whether client point ($1, $2) lies in one of the region's rectangles (the
# report's first rect is the window's).
inside() {
  echo "$report" | awk -v x="$1" -v y="$2" '
    /^rect=/ && n++ > 0 {split(substr($0, 6), r, " ")
      if (x >= r[1] && x < r[3] && y >= r[2] && y < r[4]) found = 1}
    END {exit !found}'
}

# Pixels of the labels' navy (or its smoothed edges) in a client rectangle
# of the board's screenshot.
navy_pixels() {
  convert "$shot" -crop "$3x$4+$1+$2" -fx 'b > 0.25 && r < 0.35 && g < 0.35 ? 1 : 0' \
    -format '%[fx:round(mean * w * h)]' info:
}

# The pointer the program shows is as wide as the system's cursor.
hand_size() {
  inspect --ponteiro | awk -F= '$1 == "pointer" {p = $2} $1 == "system_cursor" {s = $2}
    END {exit !(p != "" && p == s)}'
}

start_with() {
  dir=$(install_copy "" "${3:-$EXE}")
  cp "$1" "$dir/dados.lst"
  start_in "$dir"
  report=$(inspect 60) || fail "$dpi dpi: no board: $report"
  wait_for 20 has_tray_icon || fail "$dpi dpi: no icon in the tray"
  read -r left top right bottom <<<"$(field rect "$report")"
  shot=$SHOTS/escala-$dpi-$2.png
  import -window root "$shot"
  mogrify -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$shot"
}

# While it runs at 96 dots per inch, its screen turns to 144 (the test build
# hears it as the system would say it): the board is drawn again for 144
# where the user put it, and the tray icon is handed over again.
dpi=96
start_with "$gen/uma.lst" antes $BIN/Quillora-teste.exe
drag_board_to 100 100
inspect --escala 144 >/dev/null || fail "the scale change was not heard"
dpi=144
wait_for 10 board_has "rect=100 100 $((100 + $(px 5250))) $((100 + $(px 2400)))" ||
  fail "after the change to 144 dpi the board stands at $(board_rect)"
wait_for 10 board_has "region_bounds=7 7 $(($(px 5250) - 7)) $(($(px 2400) - 7))" || fail "not cut again for 144 dpi: $(inspect | grep region_bounds)"
report=$(inspect)
shot=$SHOTS/escala-mudou-144.png
import -window root "$shot"
mogrify -crop "$(px 5250)x$(px 2400)+100+100" +repage "$shot"
[ "$(navy_pixels "$(px 255)" "$(px 1010)" "$(px 4695)" "$(px 240)")" -gt 100 ] ||
  fail "no phrase after the scale change (see $shot)"
[ "$(navy_pixels "$(px 4215)" "$(px 2025)" "$(px 600)" "$(px 195)")" -gt 40 ] ||
  fail "no author after the scale change (see $shot)"
has_tray_icon || fail "the tray icon is gone after the scale change"
xdotool mousemove $((100 + $(px 4967))) $((100 + $(px 247))) click 1
wait_for 10 board_has visible=0 || fail "the cross did not hide the board after the scale change"
tray_click 1
wait_for 10 board_has visible=1 || fail "the tray icon does not draw after the scale change"
inspect --escala 96 >/dev/null
dpi=96
wait_for 10 board_has "rect=100 100 450 260" || fail "back at 96 dpi the board stands at $(board_rect)"
stop_wine
rm -rf "$dir"

for dpi in 120 144 192; do
  wine_set_dpi "$dpi"
  start_with "$gen/uma.lst" 1linha
  width=$(echo "$report" | awk '/^screen=/ {split($0, a, "[= ]"); print a[2]}')
  # Placed at the right edge in the design's width, then picture-sized.
  want="$((width - $(px 5325))) 0 $((width - $(px 5325) + $(px 5250))) $(px 2400)"
  [ "$left $top $right $bottom" = "$want" ] || fail "$dpi dpi: board at $left $top $right $bottom, not $want"
  w=$((right - left)) h=$((bottom - top))
  # Cut to the rounded outline: corners and margins out, the board in.
  for p in "0 0" "$((w - 1)) 0" "0 $((h - 1))" "$((w - 1)) $((h - 1))" "1 $((h / 2))"; do
    ! inside $p || fail "$dpi dpi: ($p) is not cut away"
  done
  for p in "$(px 150) $((h / 2))" "$((w / 2)) $(px 150)" "$((w - $(px 150))) $((h / 2))"; do
    inside $p || fail "$dpi dpi: ($p) is cut away"
  done
  # The author in its label, right-aligned: its last letters near the
  # label's right edge, nothing of it below the board's bottom margin.
  author_right=$(px 4815)
  [ "$(navy_pixels $((author_right - $(px 600))) "$(px 2025)" "$(px 600)" "$(px 195)")" -gt 40 ] ||
    fail "$dpi dpi: no author at the label's right end (see $shot)"
  [ "$(navy_pixels 0 "$(px 2250)" "$w" "$((h - $(px 2250)))")" -lt 5 ] ||
    fail "$dpi dpi: text below the author line (see $shot)"
  [ "$(navy_pixels "$(px 255)" "$(px 1010)" "$(px 4695)" "$(px 240)")" -gt 100 ] ||
    fail "$dpi dpi: no one-line phrase centred on the board (see $shot)"

  # The envelope sends the phrase; the cross hides the board; a tray click
  # draws again.
  sent=$(recorded_count)
  xdotool mousemove $((left + $(px 607))) $((top + $(px 2137))) click 1
  got=$(recorded_line $((sent + 1))) || fail "$dpi dpi: the envelope sent nothing"
  [[ $got == *"Quem espera sempre alcança."* ]] || fail "$dpi dpi: the envelope sent $got"
  xdotool mousemove $((left + $(px 4967))) $((top + $(px 247))) click 1
  wait_for 10 board_has visible=0 || fail "$dpi dpi: the cross did not hide the board"
  tray_click 1
  wait_for 10 board_has visible=1 || fail "$dpi dpi: a tray click did not draw"

  # About: its client area at the scale, centred, every label in it.
  open_about
  report=$(inspect)
  read -r _ _ cw ch <<<"$(field sobre_client "$report")"
  [ "$cw $ch" = "$(px 4035) $(px 2580)" ] || fail "$dpi dpi: About's client area $cw x $ch"
  # Its icons at the sizes the system asks at the scale.
  icons=$(xprop -id "$(about_xid)" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u | tr '\n' ' ')
  small=$(px 240) large=$(px 480)
  [ "$icons" = "Icon ($small x $small) Icon ($large x $large) " ] || fail "$dpi dpi: About's icons: $icons"
  import -window root "$SHOTS/escala-$dpi-sobre.png"
  mogrify -crop "$((cw + 40))x$((ch + 60))+$((cx - 20))+$((cy - 40))" +repage "$SHOTS/escala-$dpi-sobre.png"
  xdotool mousemove $((cx + $(px 1987))) $((cy + $(px 2347))) click 1
  wait_for 10 board_lacks sobre_visible=1 || fail "$dpi dpi: Okay did not close About"
  stop_wine
  rm -rf "$dir"

  start_with "$gen/quatro.lst" 4linhas $BIN/Quillora-teste.exe
  # Four lines centred on 1130 twips: text from 650 to 1610, none far off.
  [ "$(navy_pixels "$(px 255)" "$(px 650)" "$(px 4695)" "$(px 960)")" -gt 400 ] ||
    fail "$dpi dpi: no four-line phrase (see $shot)"
  [ "$(navy_pixels "$(px 255)" 0 "$(px 4500)" "$(px 560)")" -lt 5 ] ||
    fail "$dpi dpi: the phrase starts too high (see $shot)"
  [ "$(navy_pixels $((author_right - $(px 600))) "$(px 2025)" "$(px 600)" "$(px 195)")" -gt 40 ] ||
    fail "$dpi dpi: no author under the four lines (see $shot)"
  # The hand over the cross, at the system's cursor size for the scale.
  xdotool mousemove $((left + $(px 4960))) $((top + $(px 240))) \
    mousemove $((left + $(px 4967))) $((top + $(px 247)))
  wait_for 10 hand_size || fail "$dpi dpi: pointer over the cross: $(inspect --ponteiro | tr '\n' ' ')"
  stop_wine
  rm -rf "$dir"
done
echo "display scales 120, 144, 192 dpi: ok (screenshots escala-*.png in $SHOTS)"
