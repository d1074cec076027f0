#!/bin/sh
# The phrase tool as a user runs it: exit statuses and a pack/list round trip
# of the shipped phrase list.
set -eu
tool=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expect_status() {
  want=$1; shift
  set +e; "$@" >"$work/out" 2>"$work/err"; got=$?; set -e
  if [ "$got" != "$want" ]; then
    echo "FAIL: '$*' exited $got, expected $want"; cat "$work/err"; exit 1
  fi
}

expect_status 2 "$tool"
expect_status 2 "$tool" pack only-one-argument
expect_status 2 "$tool" frobnicate x
expect_status 1 "$tool" check "$work/missing.lst"
expect_status 2 "$tool" check --desconhecida "$data/dados.lst"
expect_status 2 "$tool" importar
expect_status 2 "$tool" importar x -o

expect_status 0 "$tool" pack "$data/frases.txt" "$work/dados.lst"
cmp "$work/dados.lst" "$data/dados.lst"
expect_status 0 "$tool" list "$work/dados.lst"
tr -d '\r' <"$data/frases.txt" | grep -v '^$' >"$work/expected"
cmp "$work/out" "$work/expected"
expect_status 0 "$tool" check "$data/dados.lst"
grep -q '^linhas com defeito: 0$' "$work/out"
grep -q '^não cabem no quadro: 0$' "$work/out"

# A fortune file to a finished phrase file; a phrase of eight lines or more
# is left out, or with --estrito keeps pack from writing.
fortune=$data/../tests/tools/fortune
expect_status 0 "$tool" importar "$fortune/atribuicoes.txt" --lst "$work/importado.lst"
expect_status 0 "$tool" list "$work/importado.lst"
[ "$(wc -l <"$work/out")" -eq 6 ]
longa=$(printf 'palavra %.0s' $(seq 80))
printf '%s\n%%\nCurta.\n' "$longa" >"$work/longa.txt"
expect_status 1 "$tool" importar "$work/longa.txt" -o "$work/longa.tsv"
grep -q 'registro 1: não cabe no quadro' "$work/err"
[ "$(cat "$work/longa.tsv")" = "$(printf 'Curta.\tAnônimo')" ]
printf '%s\tAutor\n' "$longa" >"$work/longa.tsv"
expect_status 1 "$tool" pack "$work/longa.tsv" "$work/longa.lst" --estrito
[ ! -e "$work/longa.lst" ]
expect_status 0 "$tool" draw "$data/dados.lst"
[ "$(wc -l <"$work/out")" -eq 2 ]
printf 'AAAAAAA' >"$work/field"
expect_status 0 sh -c "\"$tool\" decode bbb <\"$work/field\""
[ "$(cat "$work/out")" = 'A?<>=CA' ]
echo "frases_cli: ok"
