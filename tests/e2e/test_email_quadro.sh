#!/usr/bin/env bash
# The board's envelope hands the phrase to the mail program: characters that
# would change the address or the handler's command line are
# percent-encoded, accents arrive intact, and a double click is one click.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
register_recorder

# Starts the program on a phrase file of the one record "$1<TAB>$2".
start_with() {
  dir=$(install_copy sem-dados)
  printf '%s\t%s\n' "$1" "$2" >"$dir/frases.txt"
  build/native/quillora-frases pack "$dir/frases.txt" "$dir/dados.lst" 2>/dev/null
  start_in "$dir"
  local report
  report=$(inspect 60) || fail "no board: $report"
  read -r left top _ _ <<<"$(field rect "$report")"
}

envelope() { xdotool mousemove $((left + 40)) $((top + 142)) click "$@" 1; }
# Another point of the envelope: a click there soon after one at the first
# point is no double click.
envelope_elsewhere() { xdotool mousemove $((left + 48)) $((top + 145)) click 1; }
no_recorder_running() { ! pgrep -f 'quillora-gravador' >/dev/null; }

start_with 'Pão & vinho # 100% certo?' 'Autor = Zé'
board_shot "$left" "$top" "$SHOTS/quadro-email.png"
envelope
got=$(recorded_line 1) || fail "the envelope opened nothing"
want='mailto:?subject=Frase ou Provérbios&body=Pão %26 vinho %23 100%25 certo%3F%0D%0AAutor %3D Zé'
[ "$got" = "$want" ] || fail "board e-mail: $got"

# A double click opens one message. The single click after it comes later
# in the input queue: once its address is in, every click has been handled.
envelope_elsewhere
recorded_line 2 >/dev/null || fail "the second point of the envelope opened nothing"
envelope --repeat 2 --delay 120
recorded_line 3 >/dev/null || fail "the double click opened nothing"
envelope_elsewhere
recorded_line 4 >/dev/null || fail "the click after the double click opened nothing"
wait_for 20 no_recorder_running || fail "the mail program stand-in did not end"
[ "$(recorded_count)" = 4 ] || fail "a double click opened $(( $(recorded_count) - 3 )) messages"
stop_wine
rm -rf "$dir"

# A trailing backslash would escape the quote that closes the handler's
# command line; the bytes that Windows-1252 leaves unassigned are not text.
rm -f "$RECORDED"
start_with 'Salve em C:\Pasta\' $'C:\\Pasta\\ \u0081\u008D\u008F\u0090\u009D'
envelope
got=$(recorded_line 1) || fail "the envelope opened nothing"
want='mailto:?subject=Frase ou Provérbios&body=Salve em C:%5CPasta%5C%0D%0AC:%5CPasta%5C %81%8D%8F%90%9D'
[ "$got" = "$want" ] || fail "board e-mail with backslashes: $got"
stop_wine
rm -rf "$dir"
echo "board e-mail on the desktop: ok"
