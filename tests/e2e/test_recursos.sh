#!/usr/bin/env bash
# Both executables carry the version record, the two icons, the hand at
# its cursor sizes and the manifest (aware of each screen's scale),
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
cursor_group=102: 32x32
cursor_group=103: 40x40 48x48 56x56 64x64 72x72 80x80 88x88 96x96
manifest_common_controls_6=1
manifest_dpi_aware=true
manifest_dpi_awareness=PerMonitorV2, System'
for exe in build/win32/Quillora.exe build/win64/Quillora.exe; do
  got=$("$WINE" $BIN/quillora-recursos.exe "$exe" | tr -d '\r')
  [ "$got" = "$expected" ] || fail "$exe resources:
$got"
done
echo "resources of both executables: ok"
