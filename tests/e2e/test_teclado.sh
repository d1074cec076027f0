#!/usr/bin/env bash
# The tray menu by its access keys, as a keyboard user picks them once the
# program has the keyboard: F sends the suggestion, S opens About, E quits.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
register_recorder
start_program

menu_key f
got=$(recorded_line 1) || fail "F sent no suggestion"
[ "$got" = "mailto:frases@brenvic.com.br?subject=Sugestão de Frase ou Provérbios&body=Frase ou Provérbio: %0D%0AAutor: " ] ||
  fail "suggestion address: $got"

menu_key s
wait_for 10 board_has sobre_visible=1 || fail "S did not open About"
wait_for 10 about_placed || fail "About was not placed"
click_into $((cx + 20)) $((cy + 156)) "$(about_xid)"
xdotool key alt+o
wait_for 10 board_lacks sobre_visible=1 || fail "Alt+O did not close About"

menu_key e
wait_copies 0 30 || fail "E did not end the program"
wait_for 10 no_tray_icon || fail "the tray icon stayed"
rm -rf "$dir"
echo "tray menu by its keys: ok"
