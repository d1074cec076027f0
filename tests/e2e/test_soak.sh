#!/usr/bin/env bash
# A long session: many tray clicks and keep-visible toggles (and a few About
# openings). The process stays alive, its resident memory grows by less than
# 1 MB after warm-up, and it holds as many GDI and USER objects as before.
# QUILLORA_SOAK_CLIQUES and QUILLORA_SOAK_ALTERNANCIAS set the amounts
# (5000 and 500 for the full run; CI runs a shorter one).
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
cliques=${QUILLORA_SOAK_CLIQUES:-1000}
alternancias=${QUILLORA_SOAK_ALTERNANCIAS:-20}

# The test build: the same program, which also reports its live objects.
start_program $BIN/Quillora-teste.exe
pid=$(pgrep -nf 'Quillora\.ex[e]')
objects() { inspect --objetos | sed -n 's/^objects=//p'; }
rss() { awk '/^VmRSS:/ {print $2}' "/proc/$pid/status"; }
about_once() {
  open_about
  xdotool mousemove $((cx + 132)) $((cy + 156)) click 1
  wait_for 10 board_has enabled=1 || fail "About did not close"
}

# Warm-up: every path runs once before the baseline.
inspect --bandeja 200 >/dev/null
menu_pick 0; menu_pick 0
about_once
objects0=$(objects) rss0=$(rss)

feitos=0 alternados=0
while [ $feitos -lt "$cliques" ] || [ $alternados -lt "$alternancias" ]; do
  if [ $feitos -lt "$cliques" ]; then
    lote=$(( cliques - feitos < 500 ? cliques - feitos : 500 ))
    inspect --bandeja "$lote" >/dev/null
    feitos=$((feitos + lote))
  fi
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    [ $alternados -lt "$alternancias" ] || break
    menu_pick 0
    alternados=$((alternados + 1))
  done
done
about_once
[ "$(program_count)" = 1 ] || fail "the program did not survive"
objects1=$(objects) rss1=$(rss)
echo "  $cliques clicks, $alternancias toggles: objects $objects0 -> $objects1, RSS ${rss0} kB -> ${rss1} kB"
[ "$objects1" = "$objects0" ] || fail "GDI/USER objects leaked: $objects0 -> $objects1"
[ $((rss1 - rss0)) -lt 1024 ] || fail "resident memory grew by $((rss1 - rss0)) kB"
stop_wine
rm -rf "$dir"
echo "soak on the desktop: ok"
