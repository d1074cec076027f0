#!/usr/bin/env bash
# Ended from outside, the program leaves nothing behind: a close request to
# its host (taskkill without /F sends one, as installers and the Restart
# Manager do) and the end of the session end it the way its quit command
# does. Its user-interface thread has a COM apartment for the shell.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"

start_ready() {
  dir=$(install_copy "" "${1:-$EXE}")
  start_in "$dir"
  inspect 60 >/dev/null || fail "no board"
  wait_for 20 has_tray_icon || fail "no tray icon"
}
ended() {
  wait_copies 0 30 || fail "$1: the program still runs"
  wait_for 10 no_tray_icon || fail "$1: the tray icon stayed"
  rm -rf "$dir"
}

start_ready
"$WINE" taskkill /IM Quillora.exe >/dev/null 2>&1
ended "taskkill without /F"

start_ready
answer=$(inspect --fim-de-sessao) || true
[ "$(field query_answer "$answer")" = 1 ] || fail "the program refused the end of the session: $answer"
ended "end of the session"

start_ready $BIN/Quillora-teste.exe
[ "$(inspect --com)" = "com=sta" ] || fail "the user-interface thread: $(inspect --com)"
stop_wine
rm -rf "$dir"
echo "ended from outside: ok"
