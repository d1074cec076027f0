# Helpers for the end-to-end tests under Wine (sourced).
# shellcheck shell=bash
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"
cd "$ROOT"
wine_env
SHOTS=$ROOT/build/e2e
mkdir -p "$SHOTS"

fail() { echo "FAIL: $*"; /usr/lib/wine/wineserver -k 2>/dev/null || true; exit 1; }

# Polls `cmd` until it succeeds or `seconds` pass.
wait_for() {
  local seconds=$1; shift
  local end=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.2
  done
}

# A fresh folder with the program and, unless told otherwise, the shipped data.
install_copy() {
  local dir
  dir=$(mktemp -d)
  cp build/win64/Quillora.exe "$dir/"
  [ "${1:-}" = "sem-dados" ] || cp data/dados.lst "$dir/"
  echo "$dir"
}

inspect() { "$WINE" build/win64/quillora-inspetor.exe "$@" | tr -d '\r'; }

# --- driving the running program ---

# The mail program stand-in: records each address the shell hands over.
register_recorder() {
  cp build/win64/quillora-gravador.exe "$WINEPREFIX/drive_c/"
  "$WINE" reg add 'HKCR\mailto' /ve /d 'URL:MailTo Protocol' /f >/dev/null 2>&1
  "$WINE" reg add 'HKCR\mailto' /v 'URL Protocol' /d '' /f >/dev/null 2>&1
  "$WINE" reg add 'HKCR\mailto\shell\open\command' /ve \
    /d '"C:\quillora-gravador.exe" "%1"' /f >/dev/null 2>&1
  RECORDED="$WINEPREFIX/drive_c/gravados.txt"
  rm -f "$RECORDED"
}

# Waits for line $1 of the recorder's file and prints it.
recorded_line() {
  local want=$1
  wait_for 20 bash -c "[ \$(cat '$RECORDED' 2>/dev/null | wc -l) -ge $want ]" || return 1
  sed -n "${want}p" "$RECORDED"
}

tray_window() { xdotool search --name '^Wine System Tray$' | head -1; }

# Our icon is the first in the tray's client area, below Wine's title bar.
tray_icon_centre() {
  eval "$(xdotool getwindowgeometry --shell "$(tray_window)")"
  echo "$((X + 13)) $((Y + HEIGHT - 13))"
}

tray_click() {
  local x y
  read -r x y <<<"$(tray_icon_centre)"
  xdotool mousemove "$x" "$y" click "$1"
}

field() { echo "$2" | awk -v k="$1" -F= '$1 == k {print $2; exit}'; }

# The popup menu: a small visible window of the program (not the board).
menu_window() {
  local w
  for w in $(xdotool search --onlyvisible --class quillora.exe 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if [ "$WIDTH" -lt 300 ] && [ "$HEIGHT" -lt 120 ] && [ "$HEIGHT" -gt 40 ]; then
      echo "$w"; return 0
    fi
  done
  return 1
}

# Right-clicks the tray icon and picks item $1 (0 to 3) with the mouse.
menu_pick() {
  tray_click 3
  wait_for 10 menu_window || fail "the tray menu did not open"
  local w
  w=$(menu_window)
  eval "$(xdotool getwindowgeometry --shell "$w")"
  local item=$(( (HEIGHT - 4) / 4 ))
  [ -n "${2:-}" ] && import -window root "$2"
  xdotool mousemove $((X + 40)) $((Y + 2 + item * $1 + item / 2)) click 1
  wait_menu_closed
}

wait_menu_closed() {
  local end=$((SECONDS + 10))
  while menu_window >/dev/null; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.2
  done
}

board_shot() { import -window root -crop 350x160+"$1"+"$2" "$3"; }

# Running copies of the program in this test's Wine prefix.
program_count() { inspect | awk -F= '$1 == "copies" {print $2}'; }

# Waits until $1 copies run, for at most $2 seconds.
wait_copies() {
  local end=$((SECONDS + $2))
  until [ "$(program_count)" = "$1" ]; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.3
  done
}

# Clicks the message box's OK, again if a busy machine let the first click
# arrive before the box took input.
press_ok() {
  local box _
  for _ in 1 2 3 4 5; do
    box=$(xdotool search --name '^Quillora 1.0$' | head -1)
    [ -n "$box" ] || return 0
    eval "$(xdotool getwindowgeometry --shell "$box")"
    xdotool mousemove --window "$box" $((WIDTH / 2)) $((HEIGHT - 22)) click 1
    wait_for 5 bash -c "! xdotool search --name '^Quillora 1.0\$'" && return 0
  done
}
