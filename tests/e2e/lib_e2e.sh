# Helpers for the end-to-end tests (sourced): the 32-bit product under
# 32-bit Wine on the IceWM desktop that run_all.sh starts.
# shellcheck shell=bash
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"
cd "$ROOT"
wine_env
SHOTS=$ROOT/build/e2e
mkdir -p "$SHOTS"
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no desktop (run the tests through tests/e2e/run_all.sh)"; exit 1; }

# The product and the helpers that drive and inspect it, all 32-bit (all
# 64-bit where run_all.sh found that this machine has no 32-bit mode).
BIN=${QUILLORA_E2E_BIN:-build/win32}
BITS=${BIN#build/win}
EXE=$BIN/Quillora.exe

# A command that fails outside a check stops the test too (set -e): say
# which, where a failure would otherwise end the test without a word. Only
# the test's own shell speaks: a program started in the background may end
# as it likes.
set -E
trap 'e2e_status=$?; [[ $- == *e* && $BASHPID == "$$" ]] &&
  echo "FAIL (${BASH_SOURCE[0]##*/}:$LINENO): \"$BASH_COMMAND\" exited $e2e_status"' ERR

# Says where it failed (the line, and the lines that called it) and stops.
fail() {
  local where="" i
  for ((i = 1; i < ${#BASH_SOURCE[@]}; i++)); do
    [[ ${BASH_SOURCE[i]} == *lib.sh ]] && break
    where+="${where:+ < }${BASH_SOURCE[i]##*/}:${BASH_LINENO[i - 1]}"
  done
  echo "FAIL ($where): $*"
  "$WINESERVER" -k 2>/dev/null || true
  exit 1
}

# Polls `cmd` until it succeeds or `seconds` pass.
wait_for() {
  local seconds=$1; shift
  local end=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.2
  done
}

# A fresh folder with the program ($2, the product unless told) and, unless
# told otherwise, the shipped data.
install_copy() {
  local dir
  dir=$(mktemp -d)
  cp "${2:-$EXE}" "$dir/Quillora.exe"
  [ "${1:-}" = "sem-dados" ] || cp data/dados.lst "$dir/"
  echo "$dir"
}

# Starts the program in folder $1 (or a Windows path to it), detached.
start_in() {
  if [ -d "$1" ]; then (cd "$1" && "$WINE" Quillora.exe >/dev/null 2>&1 &)
  else ("$WINE" "$1" >/dev/null 2>&1 &); fi
}

inspect() { "$WINE" $BIN/quillora-inspetor.exe "$@" | tr -d '\r'; }

# Installs the program ($1, the product unless told) with the shipped data,
# starts it and waits for its board and its tray icon. Sets dir (its folder)
# and report (the board's first report).
start_program() {
  dir=$(install_copy "" "${1:-$EXE}")
  start_in "$dir"
  report=$(inspect 60) || fail "no board: $report"
  wait_for 20 has_tray_icon || fail "no icon in the tray"
}

# True when the board's report holds line $1 (for wait_for).
board_has() { inspect | grep -qx "$1"; }
board_lacks() { ! inspect | grep -qx "$1"; }

field() { echo "$2" | awk -v k="$1" -F= '$1 == k {print $2; exit}'; }

# Ends every Wine process and waits until the server is gone: a program
# started while it is still going down may find no server to talk to.
stop_wine() {
  "$WINESERVER" -k 2>/dev/null || true
  "$WINESERVER" -w 2>/dev/null || true
}

# --- the mail program stand-in: records each address the shell hands over ---
register_recorder() {
  cp $BIN/quillora-gravador.exe "$WINEPREFIX/drive_c/"
  "$WINE" reg add 'HKCR\mailto' /ve /d 'URL:MailTo Protocol' /f >/dev/null 2>&1
  "$WINE" reg add 'HKCR\mailto' /v 'URL Protocol' /d '' /f >/dev/null 2>&1
  "$WINE" reg add 'HKCR\mailto\shell\open\command' /ve \
    /d '"C:\quillora-gravador.exe" "%1"' /f >/dev/null 2>&1
  RECORDED="$WINEPREFIX/drive_c/gravados.txt"
  rm -f "$RECORDED"
}

recorded_count() { if [ -f "$RECORDED" ]; then wc -l <"$RECORDED"; else echo 0; fi; }

# Waits for line $1 of the recorder's file and prints it.
recorded_line() {
  local want=$1
  wait_for 20 bash -c "[ \$(cat '$RECORDED' 2>/dev/null | wc -l) -ge $want ]" || return 1
  sed -n "${want}p" "$RECORDED"
}

# --- IceWM's system tray: one embedder window per docked icon ---

# Each docked icon: "X Y WIDTH HEIGHT" on the screen.
tray_icons() {
  local id
  for id in $(xwininfo -root -tree | awk '/"YXTrayEmbedder"/ {print $1}'); do
    xwininfo -id "$id" 2>/dev/null | awk '
      /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
      /Width:/ {w = $NF} /Height:/ {h = $NF} /Map State: IsViewable/ {v = 1}
      END {if (v) print x, y, w, h}'
  done
}

tray_icon_count() { tray_icons | wc -l; }
has_tray_icon() { [ "$(tray_icon_count)" -ge 1 ]; }
no_tray_icon() { [ "$(tray_icon_count)" -eq 0 ]; }

tray_icon_centre() {
  local x y w h
  read -r x y w h <<<"$(tray_icons | head -1)"
  [ -n "$h" ] || return 1
  echo "$((x + w / 2)) $((y + h / 2))"
}

tray_click() {
  local x y
  read -r x y <<<"$(tray_icon_centre)" || fail "no tray icon to click"
  xdotool mousemove "$x" "$y" click "$1"
}

# --- the tray menu ---

# The popup menu: a small visible window of the program that the window
# manager does not manage (a message box is managed; the board is larger),
# its size growing with the display scale ($dpi, 96 unless a test says).
menu_window() {
  local w
  for w in $(xdotool search --onlyvisible --class quillora.exe 2>/dev/null); do
    xwininfo -id "$w" | grep -q 'Override Redirect State: yes' || continue
    eval "$(xdotool getwindowgeometry --shell "$w")"
    local s=${dpi:-96}  # the display scale a test runs at
    if [ "$WIDTH" -lt $((300 * s / 96)) ] && [ "$HEIGHT" -lt $((120 * s / 96)) ] &&
       [ "$HEIGHT" -gt $((40 * s / 96)) ]; then
      echo "$w"; return 0
    fi
  done
  return 1
}
menu_closed() { ! menu_window; }

open_menu() {
  tray_click 3
  wait_for 10 menu_window || fail "the tray menu did not open"
}

# Right-clicks the tray icon and picks item $1 (0 to 3) with the mouse; $2,
# when given, is a screenshot to take of the open menu.
menu_pick() {
  open_menu
  local w
  w=$(menu_window)
  eval "$(xdotool getwindowgeometry --shell "$w")"
  local item=$(( (HEIGHT - 4) / 4 ))
  [ -n "${2:-}" ] && import -window root "$2"
  xdotool mousemove $((X + 40)) $((Y + 2 + item * $1 + item / 2)) click 1
  wait_for 10 menu_closed || fail "the menu stayed open after a pick"
}

# The same with the item's access key. The desktop gives keys only to the
# window the user last clicked, so the user clicks the board's phrase first.
menu_key() {
  focus_board
  open_menu
  xdotool key "$1"
  wait_for 10 menu_closed || fail "the menu stayed open after the key $1"
}

# --- the board ---

board_rect() { field rect "$(inspect)"; }

board_shot() { import -window root -crop 350x160+"$1"+"$2" "$3"; }

# Drags the board by its picture until its top-left corner stands at ($1,
# $2). The window manager takes the move over only after the program has
# handled the press, so the pointer goes on nudging until the board
# follows it, and the button comes up only once the board is where it
# belongs; a release before the move began would leave the board glued to
# the pointer.
drag_board_to() {
  local left top _ i dx dy px=8 py=80 X Y SCREEN
  read -r left top _ _ <<<"$(board_rect)"
  # A press where the last drag let go, moments after, is a double click.
  eval "$(xdotool getmouselocation --shell)"
  [ $((X - left - px)) -eq 0 ] && [ $((Y - top - py)) -eq 0 ] && py=110
  xdotool mousemove $((left + px)) $((top + py)) mousedown 1
  dx=$(( left < 500 ? 40 : -40 )) dy=$(( top < 300 ? 40 : -40 ))  # into the screen
  for i in $(seq 50); do
    xdotool mousemove $((left + px + dx + i % 2)) $((top + py + dy))
    board_has "rect=$((left + dx + i % 2)) $((top + dy)) $((left + dx + i % 2 + 350)) $((top + dy + 160))" && break
    sleep 0.1
  done
  xdotool mousemove $(($1 + px)) $(($2 + py))
  wait_for 10 board_has "rect=$1 $2 $(($1 + 350)) $(($2 + 160))" || fail "the board did not follow the pointer to $1,$2: $(board_rect)"
  xdotool mouseup 1
}

# Clicks at ($1, $2) into the program's X window $3, as a user does before
# typing, and waits until that window has the keyboard. IceWM 3.3 answers a
# click on a Wine window by focusing a window of its own at the current time
# and then asking Wine to take the focus at the click's earlier time, which
# the X server now and then drops: the explicit focus stands for the second
# click a user then makes.
click_into() {
  xdotool mousemove "$1" "$2" click 1
  xdotool windowfocus --sync "$3"
  local xid=$3
  has_keyboard() { [ "$(xdotool getwindowfocus)" = "$xid" ]; }
  wait_for 10 has_keyboard || fail "window $3 did not take the keyboard"
}

# A click on the phrase label: no action of its own, but the board takes
# the keyboard (for the tray menu's access keys).
focus_board() {
  local left top _
  read -r left top _ _ <<<"$(board_rect)"
  click_into $((left + 175)) $((top + 75)) "$(board_xid)"
}

# The X window of the board (the program's window with the picture's size).
board_xid() {
  local w
  for w in $(xdotool search --class quillora.exe 2>/dev/null); do
    xdotool getwindowgeometry "$w" | grep -q 'Geometry: 350x160' && { echo "$w"; return 0; }
  done
  return 1
}

# --- the About dialog ---
about_xid() { xdotool search --onlyvisible --name '^Sobre o Quillora 1.0$' | head -1; }

# Placed once the window manager has put it where the program believes it
# stands; sets cx and cy, its client area's corner on the screen.
about_placed() {
  local xid
  xid=$(about_xid)
  [ -n "$xid" ] || return 1
  read -r cx cy _ _ <<<"$(field sobre_client "$(inspect)")"
  eval "$(xdotool getwindowgeometry --shell "$xid")"
  [ "$X $Y" = "$cx $cy" ]
}

# Opens About from the tray menu and waits until it is placed.
open_about() {
  menu_pick 2
  wait_for 10 board_has sobre_visible=1 || fail "About did not open"
  wait_for 10 about_placed || fail "About was not placed on the desktop"
  about_placed
}

# --- the desktop's taskbar: the managed windows that do not skip it ---
taskbar_windows() {
  local w
  for w in $(xprop -root _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*'); do
    xprop -id "$w" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_SKIP_TASKBAR && continue
    echo "$w $(xprop -id "$w" WM_NAME 2>/dev/null | sed 's/^WM_NAME([A-Z_]*) = //')"
  done
}

# --- copies and messages ---

# Running copies of the program in this test's Wine prefix.
program_count() { inspect | awk -F= '$1 == "copies" {print $2}'; }
copies_are() { [ "$(program_count)" = "$1" ]; }

# Waits until $1 copies run, for at most $2 seconds.
wait_copies() { wait_for "$2" copies_are "$1"; }

message_boxes() { xdotool search --onlyvisible --name '^Quillora 1.0$' 2>/dev/null | wc -l; }
no_message_box() { [ "$(message_boxes)" -eq 0 ]; }

# The box is placed once the window manager has put it where the program
# believes it stands: its X window's corner is the client corner Wine knows.
box_placed() {
  local box want
  box=$(xdotool search --onlyvisible --name '^Quillora 1.0$' | head -1)
  [ -n "$box" ] || return 1
  want=$(inspect --botao-ok | sed -n 's/^box=//p')
  eval "$(xdotool getwindowgeometry --shell "$box")"
  [ "$X $Y" = "$want" ]
}

# Clicks the message box's OK once the box is placed.
press_ok() {
  if ! wait_for 30 box_placed; then
    echo "the message box was never placed: $(inspect --botao-ok | tr '\n' ' ')" \
      "$(xdotool search --onlyvisible --name '^Quillora 1.0$' getwindowgeometry 2>&1 | tr '\n' ' ')"
    return 1
  fi
  local x y
  read -r x y <<<"$(inspect --botao-ok | sed -n 's/^ok=//p')"
  xdotool mousemove "$x" "$y" click 1
  wait_for 10 no_message_box && return 0
  import -window root "$SHOTS/caixa-nao-fechou.png"
  echo "the click at $x,$y left the message box up (screenshot caixa-nao-fechou.png)"
  return 1
}
