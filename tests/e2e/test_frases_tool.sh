#!/usr/bin/env bash
# The Windows build of the phrase tool reads the shipped file under Wine.
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
cd "$ROOT"
wine_env
tool=build/win64/quillora-frases.exe
out=$("$WINE" "$tool" check data/dados.lst | tr -d '\r')
echo "$out" | grep -q '^linhas com defeito: 0$' || { echo "check: $out"; exit 1; }
lines=$("$WINE" "$tool" draw data/dados.lst | tr -d '\r' | wc -l)
[ "$lines" -eq 2 ] || { echo "draw printed $lines lines"; exit 1; }
set +e; "$WINE" "$tool" check data/nada.lst >/dev/null 2>&1; status=$?; set -e
[ "$status" -eq 1 ] || { echo "missing file exited $status"; exit 1; }
echo "frases tool under Wine: ok"
