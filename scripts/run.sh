#!/usr/bin/env bash
# Builds the phrase tool and draws one phrase from the shipped dados.lst,
# as the program does on each left click of its tray icon.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"
ensure_packages "${NATIVE_PACKAGES[@]}"
build_preset native >/dev/null
build/native/quillora-frases draw data/dados.lst
