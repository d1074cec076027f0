# Helpers for the end-to-end tests under Wine (sourced).
# shellcheck shell=bash
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"
cd "$ROOT"
wine_env
SHOTS=$ROOT/build/e2e
mkdir -p "$SHOTS"

fail() { echo "FAIL: $*"; /usr/lib/wine/wineserver -k 2>/dev/null || true; exit 1; }

# Polls `cmd` until it succeeds or `seconds` pass.
wait_for() {
  local seconds=$1; shift
  local end=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $end ] && return 1
    sleep 0.2
  done
}

# A fresh folder with the program and, unless told otherwise, the shipped data.
install_copy() {
  local dir
  dir=$(mktemp -d)
  cp build/win64/Quillora.exe "$dir/"
  [ "${1:-}" = "sem-dados" ] || cp data/dados.lst "$dir/"
  echo "$dir"
}

inspect() { "$WINE" build/win64/quillora-inspetor.exe "$@" | tr -d '\r'; }
