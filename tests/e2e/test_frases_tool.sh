#!/usr/bin/env bash
# The Windows build of the phrase tool reads the shipped file under Wine.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
tool=$BIN/quillora-frases.exe
out=$("$WINE" "$tool" check data/dados.lst | tr -d '\r')
echo "$out" | grep -q '^linhas com defeito: 0$' || fail "check: $out"
lines=$("$WINE" "$tool" draw data/dados.lst | tr -d '\r' | wc -l)
[ "$lines" -eq 2 ] || fail "draw printed $lines lines"
set +e; "$WINE" "$tool" check data/nada.lst >/dev/null 2>&1; status=$?; set -e
[ "$status" -eq 1 ] || fail "missing file exited $status"
echo "frases tool under Wine: ok"
