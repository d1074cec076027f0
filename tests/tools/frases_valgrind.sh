#!/bin/sh
# Every command of the phrase tool runs clean under valgrind: no invalid
# access, no uninitialised value, no leak.
set -eu
valgrind=$1
tool=$2
data=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
run() {
  "$valgrind" -q --error-exitcode=99 --leak-check=full \
    --errors-for-leak-kinds=definite,indirect,possible "$@" >"$work/out" 2>"$work/err" || {
    status=$?
    if [ $status = 99 ]; then echo "valgrind found errors in: $*"; cat "$work/err"; exit 1; fi
  }
}
run "$tool" pack "$data/frases.txt" "$work/dados.lst"
run "$tool" list "$work/dados.lst"
run "$tool" check --medidas "$work/dados.lst"
run "$tool" importar "$data/../tests/tools/fortune/atribuicoes.txt" \
  "$data/../tests/tools/fortune/latin1.txt" --lst "$work/importado.lst"
run "$tool" draw "$work/dados.lst"
run "$tool" check "$work/missing.lst"
printf 'AAAAAAA' >"$work/field"
run sh -c "\"$tool\" decode bbb <\"$work/field\""
echo "frases under valgrind: ok"
