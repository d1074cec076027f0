#!/usr/bin/env bash
# Measures what the README's performance report states, on this machine, in
# one run. Not part of the tests: the figures depend on the machine.
#   scripts/medir.sh            (on the X display given, or a desktop of its own)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"
ensure_packages "${NATIVE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${WINE_PACKAGES[@]}" \
  fortune-mod time
build_preset native >/dev/null
build_preset win32 >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "## Cycle (read twice, draw, decode) against a plain buffered read twice"
build/native/tests/quillora_bench --benchmark_min_time=0.5 2>/dev/null | grep '^BM_'

echo "## Whole-process draw: quillora-frases against fortune, 32,767 phrases"
seq 1 32767 | sed 's/.*/Frase número & do teste de desempenho.\tAutor &/' >"$work/lista.txt"
build/native/quillora-frases pack "$work/lista.txt" "$work/dados.lst" 2>/dev/null
cut -f1 "$work/lista.txt" | sed 's/$/\n%/' >"$work/frases"
strfile -s "$work/frases" >/dev/null
media_ms() {  # average wall time of 300 runs of the command, in ms
  local inicio fim
  inicio=$(date +%s%N)
  for _ in $(seq 300); do "$@" >/dev/null; done
  fim=$(date +%s%N)
  awk -v d=$((fim - inicio)) 'BEGIN {printf "%.2f", d / 300 / 1e6}'
}
echo "quillora-frases draw: $(media_ms build/native/quillora-frases draw "$work/dados.lst") ms"
echo "/bin/true (process start alone): $(media_ms /bin/true) ms"
echo "fortune:              $(media_ms /usr/games/fortune "$work/frases") ms"

echo "## Peak resident size of one draw"
for n in 1000 1000000; do
  seq 1 $n | sed 's/.*/Frase número & do teste de desempenho.\tAutor &/' >"$work/l$n.txt"
  build/native/quillora-frases pack "$work/l$n.txt" "$work/d$n.lst" 2>/dev/null
  rss=$(/usr/bin/time -f '%M' build/native/quillora-frases draw "$work/d$n.lst" 2>&1 >/dev/null | tail -1)
  echo "$n records ($(du -h "$work/d$n.lst" | cut -f1)): ${rss} kB"
done

echo "## Quillora.exe (32-bit)"
echo "size: $(stat -c %s build/win32/Quillora.exe) bytes"
echo "imports: $(x86_64-w64-mingw32-objdump -p build/win32/Quillora.exe | awk '/DLL Name:/ {print $3}' | tr '\n' ' ')"

# The 32-bit product and its helpers under 32-bit Wine, on the desktop the
# end-to-end tests use.
wine_env
require_wine build/win32
[ -n "${DISPLAY:-}" ] || start_desktop
inspetor=build/win32/quillora-inspetor.exe
cp build/win32/Quillora.exe build/win32/quillora-minimo.exe data/dados.lst "$work/"

set_dpi() {
  wine_set_dpi "$1"
  "$WINE" "$inspetor" 0 >/dev/null 2>&1 || true  # the Wine server warm
}

arranque() {  # exe, window class: median of 7 starts to a visible window, in ms
  local amostras=()
  for _ in $(seq 7); do
    "$WINE" "$inspetor" --cronometro "$2" >"$work/t" 2>/dev/null &
    until grep -q pronto "$work/t" 2>/dev/null; do sleep 0.05; done
    local inicio
    inicio=$(date +%s%N)
    (cd "$work" && "$WINE" "$1" >/dev/null 2>&1 &) 2>/dev/null
    wait
    amostras+=($(( ($(tail -1 "$work/t" | tr -d '\r') - inicio) / 1000000 )))
    "$WINE" "$inspetor" 0 >/dev/null 2>&1 || true
    pkill -f "$1" 2>/dev/null || true
    sleep 1
  done
  printf '%s\n' "${amostras[@]}" | sort -n | sed -n 4p
}

ciclo() {  # ms per tray click, drawn and painted, over 300 clicks
  (cd "$work" && "$WINE" Quillora.exe >/dev/null 2>&1 &)
  "$WINE" "$inspetor" 60 >/dev/null
  "$WINE" "$inspetor" --bandeja 20 >/dev/null
  "$WINE" "$inspetor" --bandeja 300 | tr -d '\r' | sed -n 's/^ms_per_click=//p'
  pkill -f Quillora.exe 2>/dev/null || true
  sleep 1
}

trap 'set_dpi 96; stop_desktop; rm -rf "$work"; "$WINESERVER" -k 2>/dev/null || true' EXIT
for dpi in 96 144; do
  set_dpi "$dpi"
  echo "## At $dpi dpi: start-up to a visible window (median of 7), and the cycle"
  echo "Quillora.exe:        $(arranque Quillora.exe QuilloraQuadro) ms"
  echo "minimal program:     $(arranque quillora-minimo.exe QuilloraMinimo) ms"
  echo "tray click to a painted phrase: $(ciclo 2>/dev/null) ms"
done
set_dpi 96

echo "## CPU time over 30 idle seconds"
(cd "$work" && "$WINE" Quillora.exe >/dev/null 2>&1 &)
"$WINE" "$inspetor" 60 >/dev/null
sleep 2
pid=$(pgrep -nf 'Quillora\.ex[e]')
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
antes=$(cpu)
sleep 30
depois=$(cpu)
echo "ticks used: $((depois - antes)) (of $(getconf CLK_TCK) per second)"
