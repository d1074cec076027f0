#!/usr/bin/env bash
# Every shipped phrase fits the board (at most seven lines at the phrase
# label's width) and every author its label, measured by the program's own
# text routine with Arial's metrics.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
out=$("$WINE" $BIN/quillora-medir-frases.exe data/dados.lst | tr -d '\r') || fail "$out"
echo "$out" | tail -1
echo "shipped phrases fit the board: ok"
