#!/usr/bin/env bash
# The portable zip holds the 32-bit program, the phrase file and the read-me,
# and nothing else; the release artefacts carry the version.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
scripts/release.sh >/dev/null
versao=$(versao_produto)
zip="build/release/Quillora-$versao-portatil-32bits.zip"
[ "$(unzip -Z1 "$zip" | sort | tr '\n' ' ')" = "LEIA-ME.txt Quillora.exe dados.lst " ] ||
  fail "zip holds: $(unzip -Z1 "$zip" | tr '\n' ' ')"
dir=$(mktemp -d)
unzip -q "$zip" -d "$dir"
cmp "$dir/Quillora.exe" build/win32/Quillora.exe || fail "the zip's program is not the 32-bit build"
cmp "$dir/dados.lst" data/dados.lst || fail "the zip's dados.lst differs"
file "$dir/Quillora.exe" | grep -q 'PE32 executable (GUI) Intel 80386' || fail "not a 32-bit GUI program"
grep -q $'\r$' "$dir/LEIA-ME.txt" || fail "the read-me lacks CR LF lines"
for exe in "build/release/Quillora-$versao-instalador-32bits.exe" "build/release/Quillora-$versao-instalador-64bits.exe"; do
  "$WINE" $BIN/quillora-recursos.exe "$exe" | tr -d '\r' | grep -qx "product_version=$versao" ||
    fail "$exe does not carry version $versao"
done
rm -rf "$dir"
echo "release artefacts: ok"
