#!/usr/bin/env bash
# Builds the release artefacts into build/release/:
#   Quillora-<versão>-instalador-32bits.exe   (the product, NSIS, per user)
#   Quillora-<versão>-instalador-64bits.exe
#   Quillora-<versão>-portatil-32bits.zip      (Quillora.exe, dados.lst, LEIA-ME.txt)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
cd "$ROOT"
ensure_packages "${NATIVE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${PACKAGING_PACKAGES[@]}"
build_preset win32 >/dev/null
build_preset win64 >/dev/null

versao=$(versao_produto)
saida=$ROOT/build/release
rm -rf "$saida"
mkdir -p "$saida/x86" "$saida/x64" "$saida/portatil"
cp build/win32/Quillora.exe data/dados.lst "$saida/x86/"
cp build/win64/Quillora.exe data/dados.lst "$saida/x64/"

makensis -V2 -INPUTCHARSET UTF8 -DARQUITETURA=x86 -DORIGEM="$saida/x86" \
  -DSAIDA="$saida/Quillora-$versao-instalador-32bits.exe" "$ROOT/tools/pacote/quillora.nsi"
makensis -V2 -INPUTCHARSET UTF8 -X"Target amd64-unicode" -DARQUITETURA=x64 \
  -DORIGEM="$saida/x64" -DSAIDA="$saida/Quillora-$versao-instalador-64bits.exe" \
  "$ROOT/tools/pacote/quillora.nsi"

cp build/win32/Quillora.exe data/dados.lst "$saida/portatil/"
# Notepad reads UTF-8 with its mark and CR LF lines.
{ printf '\xEF\xBB\xBF'; sed -e "s/@VERSAO@/$(versao_produto curta)/" -e 's/$/\r/' tools/pacote/LEIA-ME.txt; } >"$saida/portatil/LEIA-ME.txt"
(cd "$saida/portatil" && TZ=UTC zip -q -X -j "../Quillora-$versao-portatil-32bits.zip" \
  Quillora.exe dados.lst LEIA-ME.txt)
rm -rf "$saida/x86" "$saida/x64" "$saida/portatil"
ls -l "$saida"
