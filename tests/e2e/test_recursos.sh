#!/usr/bin/env bash
# Both executables carry the version record, the two icons and the manifest,
# read as Windows reads them.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
expected='file_version=1.0.0.0
product_version=1.0.0.0
CompanyName=Brenvic
FileDescription=Quillora
ProductName=Quillora
FileVersion=1.00
ProductVersion=1.00
InternalName=Quillora
OriginalFilename=Quillora.exe
icon_group=1: 32x32@24 48x48@24
icon_group=2: 16x16@4 32x32@4
manifest_common_controls_6=1
manifest_dpi_aware=0'
for exe in build/win32/Quillora.exe build/win64/Quillora.exe; do
  got=$("$WINE" $BIN/quillora-recursos.exe "$exe" | tr -d '\r')
  [ "$got" = "$expected" ] || fail "$exe resources:
$got"
done
echo "resources of both executables: ok"
