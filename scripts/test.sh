#!/usr/bin/env bash
# Builds everything and runs every test: unit tests (plain and sanitized),
# the phrase tool, bounded fuzzing, the Windows builds and the end-to-end
# runs under Wine.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"

ensure_packages "${NATIVE_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}" \
  "${WINDOWS_PACKAGES[@]}" "${WINE_PACKAGES[@]}" "${PACKAGING_PACKAGES[@]}"

echo "== native build and unit tests"
build_preset native
ctest --preset native -j "$JOBS"

echo "== address and undefined-behaviour sanitizers"
build_preset native-asan
ctest --preset native-asan -j "$JOBS"

echo "== fuzzing (bounded)"
build_preset fuzz
for target in registro pack gif; do
  corpus=$(mktemp -d)
  cp tests/fuzz/corpus_"$target"/* "$corpus"/
  if build/fuzz/tests/fuzz/fuzz_"$target" -max_total_time="${QUILLORA_FUZZ_SECONDS:-20}" \
      -print_final_stats=0 "$corpus" >build/fuzz/fuzz_"$target".log 2>&1; then
    echo "fuzz_$target: $(tail -1 build/fuzz/fuzz_"$target".log)"
  else
    tail -40 build/fuzz/fuzz_"$target".log
    exit 1
  fi
  rm -rf "$corpus"
done

echo "== Windows builds"
build_preset win32
build_preset win64
tests/windows/check_imports.sh build/win32 build/win64

echo "== end to end: the 32-bit product (or, where the machine has no 32-bit mode, the 64-bit build) under Wine on an IceWM desktop"
tests/e2e/run_all.sh
