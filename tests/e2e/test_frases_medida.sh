#!/usr/bin/env bash
# The native phrase tool measures with the fonts' own metrics, the Windows
# build with the program's own text routine. On the shipped list and on
# 3,000 generated phrases near the board's limits, under Wine: the native
# measure never says "fits" where the program needs more room, and how often
# the two disagree is printed.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
nativo=build/native/quillora-frases
[ -x "$nativo" ] || fail "$nativo is not built (cmake --preset native)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v n=3000 -f tests/e2e/frases_limite.awk data/frases.txt >"$work/geradas.txt"
# Records that the scrambling cannot hold are left out; the others are kept
# whether they fit or not.
"$nativo" importar "$work/geradas.txt" --todas --lst "$work/geradas.lst" >/dev/null 2>"$work/importar" ||
  grep -q ' gravados' "$work/importar" || fail "importar: $(tail -3 "$work/importar")"

comparar() {
  local lst=$1 nome=$2
  "$nativo" check --medidas "$lst" >"$work/nativo" 2>/dev/null || true
  "$WINE" "$BIN/quillora-frases.exe" check --medidas "$lst" 2>/dev/null | tr -d '\r' >"$work/windows" || true
  awk -v nome="$nome" -v max_linhas=7 -v max_autor=265 '
    /^registro [0-9]+ \(linha [0-9]+\): [0-9]+ linhas, autor [0-9]+ px$/ {
      r = $2; l = $5; a = $8
      if (FILENAME == ARGV[1]) { nl[r] = l; na[r] = a; next }
      n++
      if (!(r in nl)) { faltam++; next }
      if (nl[r] != l) linhas_dif++
      if ((nl[r] <= max_linhas) != (l <= max_linhas)) frase_dif++
      if (nl[r] <= max_linhas && l > max_linhas) { frase_mal++; print "  frase: nativo " nl[r] ", Windows " l " linhas, registro " r }
      if ((na[r] <= max_autor) != (a <= max_autor)) autor_dif++
      if (na[r] <= max_autor && a > max_autor) { autor_mal++; print "  autor: nativo " na[r] ", Windows " a " px, registro " r }
      d = na[r] - a; if (d < 0) d = -d; if (d > autor_maior) autor_maior = d
    }
    END {
      printf "%s: %d registros; frase: %d vereditos diferentes, %d contagens de linhas diferentes, %d \"cabe\" errados; autor: %d vereditos diferentes, diferen\303\247a m\303\241xima %d px, %d \"cabe\" errados\n", \
        nome, n, frase_dif, linhas_dif, frase_mal, autor_dif, autor_maior, autor_mal
      if (n == 0 || faltam > 0 || frase_mal > 0 || autor_mal > 0) exit 1
    }' "$work/nativo" "$work/windows"
}

comparar data/dados.lst "lista entregue" || fail "the native measure said \"fits\" where the program needs more room"
comparar "$work/geradas.lst" "frases geradas" || fail "the native measure said \"fits\" where the program needs more room"
echo "native measure against the program's own: ok"
