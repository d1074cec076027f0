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

expect_status 0 "$tool" pack "$data/frases.txt" "$work/dados.lst"
cmp "$work/dados.lst" "$data/dados.lst"
expect_status 0 "$tool" list "$work/dados.lst"
tr -d '\r' <"$data/frases.txt" | grep -v '^$' >"$work/expected"
cmp "$work/out" "$work/expected"
expect_status 0 "$tool" check "$data/dados.lst"
grep -q '^linhas com defeito: 0$' "$work/out"
expect_status 0 "$tool" draw "$data/dados.lst"
[ "$(wc -l <"$work/out")" -eq 2 ]
printf 'AAAAAAA' >"$work/field"
expect_status 0 sh -c "\"$tool\" decode bbb <\"$work/field\""
[ "$(cat "$work/out")" = 'A?<>=CA' ]
echo "frases_cli: ok"
