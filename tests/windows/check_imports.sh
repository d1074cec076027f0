#!/usr/bin/env bash
# Every Windows executable must need only system DLLs (the C++ runtime and
# winpthread are linked in).
set -euo pipefail
allowed='^(kernel32|user32|gdi32|shell32|advapi32|comctl32|version|msvcrt|ole32|oleaut32)\.dll$'
status=0
for dir in "$@"; do
  for exe in "$dir"/*.exe; do
    while read -r dll; do
      if ! [[ ${dll,,} =~ $allowed ]]; then
        echo "FAIL: $exe imports $dll"; status=1
      fi
    done < <(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print $3}')
  done
done
[ $status -eq 0 ] && echo "imports: system DLLs only"
exit $status
