#!/usr/bin/env bash
# The About dialog on the desktop: its taskbar button while it is open, its
# title bar icon (the 16 x 16 image), both links, a double click on a link
# opening it once, the keys that close it and the one that does not, Okay
# taking the focus back whenever the dialog is activated again, and the
# activation staying with the program when it closes.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
register_recorder
# The web link goes to the same stand-in.
"$WINE" reg add 'HKCR\http\shell\open\command' /ve \
  /d '"C:\quillora-gravador.exe" "%1"' /f >/dev/null 2>&1

start_program

# A click on the dialog's blank grey, left of Okay: the user activates it.
click_into_about() { click_into $((cx + 20)) $((cy + 156)) "$(about_xid)"; }
about_closed() { board_lacks sobre_visible=1; }
about_open() { board_has sobre_visible=1; }

open_about
import -window root "$SHOTS/sobre-aberto.png"
taskbar_windows | grep -q ' "Sobre o Quillora 1.0"$' || fail "About has no taskbar button"
icons=$(xprop -id "$(about_xid)" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -u | tr '\n' ' ')
[ "$icons" = "Icon (16 x 16) Icon (32 x 32) " ] || fail "About's icons: $icons"

# Esc does nothing: after it, the web link still opens and About stays.
click_into_about
xdotool key Escape
xdotool mousemove $((cx + 100)) $((cy + 88)) click 1
got=$(recorded_line 1) || fail "the web link opened nothing"
[ "$got" = "http://brenvic.com.br" ] || fail "web link: $got"
about_open || fail "Esc closed About"

# A double click on the e-mail link opens one message. The single click
# after it comes later in the input queue, so once its address is in, the
# double click has been handled.
xdotool mousemove $((cx + 100)) $((cy + 118)) click --repeat 2 --delay 120 1
recorded_line 2 >/dev/null || fail "the double click opened nothing"
xdotool mousemove $((cx + 140)) $((cy + 118)) click 1  # elsewhere: no double click
recorded_line 3 >/dev/null || fail "the click after the double click opened nothing"
no_recorder_running() { ! pgrep -f 'quillora-gravador' >/dev/null; }
wait_for 20 no_recorder_running || fail "the stand-in did not end"
[ "$(recorded_count)" = 3 ] || fail "a double click on the link opened $(( $(recorded_count) - 2 )) messages"
[ "$(sed -n 2p "$RECORDED")" = "mailto:frases@brenvic.com.br" ] || fail "e-mail link: $(sed -n 2p "$RECORDED")"
about_open || fail "a link closed About"

# Enter, Space and Alt+O close it.
xdotool key Return
wait_for 10 about_closed || fail "Enter did not close About"
for keys in space alt+o; do
  open_about
  click_into_about
  xdotool key $keys
  wait_for 10 about_closed || fail "$keys did not close About"
done

# The user visits another window and comes back: Space still closes it.
open_about
click_into_about
xmessage -geometry +20+20 "outra janela" 2>/dev/null &
outra=$!
wait_for 10 bash -c "xdotool search --onlyvisible --name '^xmessage\$'" || fail "no other window"
xdotool mousemove 60 40 click 1
wait_for 10 bash -c "[ \"\$(xdotool getactivewindow getwindowname 2>/dev/null)\" = xmessage ]" ||
  fail "the other window did not take the focus"
click_into_about
xdotool key space
wait_for 10 about_closed || fail "Space did not close About after another window had the focus"

# Closing it hands the activation to the board, which stands behind it,
# not to the other application behind the board (the test build counts the
# board's activations; where the desktop puts its keyboard focus after that
# is the window manager's choice).
stop_wine
rm -rf "$dir"
start_program $BIN/Quillora-teste.exe
xdotool mousemove 60 40 click 1  # the other application, then the board over it
wait_for 10 bash -c "[ \"\$(xdotool getactivewindow getwindowname 2>/dev/null)\" = xmessage ]" ||
  fail "the other window did not take the focus"
focus_board
open_about
click_into_about
antes=$(inspect --ativacoes | sed -n 's/^board_activations=//p')
xdotool key space
wait_for 10 about_closed || fail "Space did not close About"
board_activated() { [ "$(inspect --ativacoes | sed -n 's/^board_activations=//p')" -gt "$antes" ]; }
wait_for 10 board_activated || fail "closing About activated another application, not the board"
kill $outra 2>/dev/null || true
stop_wine
rm -rf "$dir"
echo "About on the desktop: ok (screenshots in $SHOTS)"
