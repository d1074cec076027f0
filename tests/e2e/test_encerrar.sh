#!/usr/bin/env bash
# Ended from outside, the program leaves nothing behind: a close request to
# its host (taskkill without /F sends one, as installers and the Restart
# Manager do) and the end of the session end it the way its quit command
# does. Its user-interface thread has a COM apartment for the shell.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"

ended() {
  wait_copies 0 30 || fail "$1: the program still runs"
  wait_for 10 no_tray_icon || fail "$1: the tray icon stayed"
  rm -rf "$dir"
}

start_program
"$WINE" taskkill /IM Quillora.exe >/dev/null 2>&1
ended "taskkill without /F"

start_program
answer=$(inspect --fim-de-sessao) || true
[ "$(field query_answer "$answer")" = 1 ] || fail "the program refused the end of the session: $answer"
ended "end of the session"

start_program $BIN/Quillora-teste.exe
[ "$(inspect --com)" = "com=sta" ] || fail "the user-interface thread: $(inspect --com)"
stop_wine
rm -rf "$dir"
echo "ended from outside: ok"
