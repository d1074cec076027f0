#!/usr/bin/env bash
# End-to-end tests of the 64-bit build under Wine: all of them, or those
# named (tests/e2e/run_all.sh test_shell test_soak).
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
cd "$ROOT"
wine_env
if [ -z "${DISPLAY:-}" ]; then
  export DISPLAY=:91
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null || true' EXIT
  wait_for_display() { for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done; return 1; }
  wait_for_display
fi
passed=0 failed=0
testes=(tests/e2e/test_*.sh)
[ $# -gt 0 ] && testes=("${@/#/tests/e2e/}") && testes=("${testes[@]/%/.sh}")
for t in "${testes[@]}"; do
  if bash "$t"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $t"; fi
done
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
