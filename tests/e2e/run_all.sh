#!/usr/bin/env bash
# End-to-end tests of the 32-bit product under 32-bit Wine, on a desktop of
# its own (Xvfb, then IceWM with its taskbar and system tray): all of them,
# or those named (tests/e2e/run_all.sh test_shell test_soak).
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
cd "$ROOT"
wine_env
QUILLORA_E2E_BIN=$(runnable_build)
export QUILLORA_E2E_BIN
require_wine "$QUILLORA_E2E_BIN"
start_desktop
trap 'stop_desktop; "$WINESERVER" -k 2>/dev/null || true' EXIT
echo "desktop: IceWM on $DISPLAY; program: $QUILLORA_E2E_BIN/Quillora.exe under $WINE"
passed=0 failed=0
testes=(tests/e2e/test_*.sh)
[ $# -gt 0 ] && testes=("${@/#/tests/e2e/}") && testes=("${testes[@]/%/.sh}")
for t in "${testes[@]}"; do
  if bash "$t"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $t"; fi
  "$WINESERVER" -k 2>/dev/null || true
  "$WINESERVER" -w 2>/dev/null || true
done
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
