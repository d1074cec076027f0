#!/usr/bin/env bash
# Runs Quillora: the 32-bit product under Wine (the 64-bit build on a
# machine with no 32-bit mode, said loudly), beside the shipped dados.lst,
# on the current X display. Without a display (or with
# --texto) it draws one phrase with the phrase tool instead, as the program
# does on each left click of its tray icon.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"
if [ -z "${DISPLAY:-}" ] || [ "${1:-}" = "--texto" ]; then
  ensure_packages "${NATIVE_PACKAGES[@]}"
  build_preset native >/dev/null
  exec build/native/quillora-frases draw data/dados.lst
fi
ensure_packages "${NATIVE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${WINE_PACKAGES[@]}"
wine_env
build=$(runnable_build)
build_preset "${build#build/}" >/dev/null
require_wine "$build"
cp data/dados.lst "$build/"
cd "$build"
exec "$WINE" Quillora.exe
