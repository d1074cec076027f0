#!/usr/bin/env bash
# End-to-end tests of the 64-bit build under Wine.
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
cd "$ROOT"
wine_env
passed=0 failed=0
for t in tests/e2e/test_*.sh; do
  if bash "$t"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $t"; fi
done
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
