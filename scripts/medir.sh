#!/usr/bin/env bash
# Measures what the README's performance report states, on this machine, in
# one run. Not part of the tests: the figures depend on the machine.
#   scripts/medir.sh            (needs an X display or starts Xvfb)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"
ensure_packages "${NATIVE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${WINE_PACKAGES[@]}" \
  fortune-mod time
build_preset native >/dev/null
build_preset win32 >/dev/null
build_preset win64 >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"; /usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT

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

if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:92
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  sleep 1
fi
wine_env
cp build/win64/Quillora.exe build/win64/quillora-minimo.exe data/dados.lst "$work/"
"$WINE" build/win64/quillora-inspetor.exe 0 >/dev/null 2>&1 || true  # wineserver warm

echo "## Start-up to a visible window under Wine (median of 7)"
arranque() {  # exe, window class
  local amostras=()
  for _ in $(seq 7); do
    "$WINE" build/win64/quillora-inspetor.exe --cronometro "$2" >"$work/t" 2>/dev/null &
    until grep -q pronto "$work/t" 2>/dev/null; do sleep 0.05; done
    local inicio
    inicio=$(date +%s%N)
    (cd "$work" && "$WINE" "$1" >/dev/null 2>&1 &) 2>/dev/null
    wait
    amostras+=($(( ($(tail -1 "$work/t" | tr -d '\r') - inicio) / 1000000 )))
    "$WINE" build/win64/quillora-inspetor.exe 0 >/dev/null 2>&1 || true
    pkill -f "$1" 2>/dev/null || true
    sleep 1
  done
  printf '%s\n' "${amostras[@]}" | sort -n | sed -n 4p
}
echo "Quillora.exe:        $(arranque Quillora.exe QuilloraQuadro) ms"
echo "minimal program:     $(arranque quillora-minimo.exe QuilloraMinimo) ms"

echo "## CPU time over 30 idle seconds"
(cd "$work" && "$WINE" Quillora.exe >/dev/null 2>&1 &)
"$WINE" build/win64/quillora-inspetor.exe 60 >/dev/null
sleep 2
pid=$(pgrep -nf 'Quillora\.ex[e]')
cpu() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
antes=$(cpu)
sleep 30
depois=$(cpu)
echo "ticks used: $((depois - antes)) (of $(getconf CLK_TCK) per second)"
