#!/usr/bin/env bash
# Whatever dados.lst holds, the program shows a phrase or the clear message
# and ends; it never crashes, and it never writes to the file.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
tool=build/native/quillora-frases
gen=$(mktemp -d)
trap 'rm -rf "$gen"' EXIT

# A dados.lst of N generated records.
records() {
  seq 1 "$1" | sed 's/.*/Frase número & do teste.\tAutor &/' >"$gen/lista.txt"
  "$tool" pack "$gen/lista.txt" "$2" 2>/dev/null
}

msg_missing="Arquivo de Quillora Inexistente! | Reinstale o programa novamente !"
msg_empty="Arquivo de Quillora Sem Frases! | Reinstale o programa novamente !"
msg_unreadable="Arquivo de Quillora Ilegível! | Reinstale o programa novamente !"

expect_board() {
  local report
  report=$(inspect 90) || fail "$1: no board: $report"
  [ "$(field visible "$report")" = 1 ] || fail "$1: board not visible"
}

# Waits for the message box, checks its text, presses OK, waits for the end.
expect_message() {
  local got
  got=$(inspect --mensagem 90)
  [ "$got" = "message=$2" ] || fail "$1: $got"
  press_ok || fail "$1: the message box did not close"
  wait_copies 0 30 || fail "$1: the program did not end after the message"
}


unchanged() {
  [ "$(sha256sum <"$2")" = "$3" ] || fail "$1: dados.lst was written to"
}

# Cases that start with a given file: (name, maker, expectation).
run_case() {
  local name=$1 make=$2 expect=$3
  local dir
  dir=$(install_copy sem-dados)
  $make "$dir/dados.lst"
  local sum=""
  [ -f "$dir/dados.lst" ] && sum=$(sha256sum <"$dir/dados.lst")
  start_in "$dir"
  if [ "$expect" = board ]; then expect_board "$name"; stop_wine; else expect_message "$name" "$expect"; fi
  [ -n "$sum" ] && unchanged "$name" "$dir/dados.lst" "$sum"
  rm -rf "$dir"
  echo "  $name: ok"
}

make_empty() { : >"$1"; }
make_blank() { printf '\r\n\r\n\n\r\n' >"$1"; }
make_no_separator() { printf 'uma linha\r\noutra linha\r\nmais uma' >"$1"; }
make_huge_line() { head -c 50000000 /dev/zero | tr '\0' 'x' >"$1"; }
make_garbage() {
  head -c 200000 /dev/urandom | tr -d '\376\n\r' >"$1"
  printf '\r\n' >>"$1"
  records 1 "$gen/um.lst"
  cat "$gen/um.lst" >>"$1"
  head -c 1000 /dev/zero >>"$1"
}
make_40k() { records 40000 "$1"; }
make_1m() { records 1000000 "$1"; }
make_folder() { mkdir "$1"; }

run_case "empty file" make_empty "$msg_empty"
run_case "only blank lines" make_blank "$msg_empty"
run_case "no separator anywhere" make_no_separator "$msg_empty"
run_case "one 50 MB line" make_huge_line "$msg_empty"
run_case "binary garbage with NUL bytes and one record" make_garbage board
run_case "40,000 records" make_40k board
run_case "1,000,000 records" make_1m board
run_case "a folder named dados.lst" make_folder "$msg_missing"

# Removed, or replaced by an unusable file, between two clicks.
for variant in removed replaced; do
  dir=$(install_copy)
  start_in "$dir"
  expect_board "$variant"
  if [ $variant = removed ]; then rm "$dir/dados.lst"; want=$msg_missing
  else printf '\r\n\r\n' >"$dir/dados.lst.novo"; mv "$dir/dados.lst.novo" "$dir/dados.lst"; want=$msg_empty; fi
  tray_click 1
  expect_message "$variant between two clicks" "$want"
  rm -rf "$dir"
  echo "  $variant between two clicks: ok"
done

# Held open by another process that shares nothing.
dir=$(install_copy)
sum=$(sha256sum <"$dir/dados.lst")
"$WINE" $BIN/quillora-inspetor.exe --trancar "Z:${dir//\//\\}\\dados.lst" 120 >"$gen/lock" 2>&1 &
wait_for 30 grep -q locked "$gen/lock" || fail "could not lock the file"
start_in "$dir"
expect_message "opened without sharing" "$msg_unreadable"
unchanged "opened without sharing" "$dir/dados.lst" "$sum"
stop_wine
rm -rf "$dir"
echo "  opened by another process without sharing: ok"

# The program at the root of a drive: the path holds two backslashes.
dir=$(install_copy)
ln -sfn "$dir" "$WINEPREFIX/dosdevices/q:"
start_in 'Q:\Quillora.exe'
expect_board "drive root"
stop_wine
rm -f "$WINEPREFIX/dosdevices/q:"
rm -rf "$dir"
echo "  run from a drive's root: ok"
# Folders named in any script: the program finds dados.lst there.
for pasta in 'users/Łukasz/AppData/Local/Programs/Quillora' 'Programas/Цитаты'; do
  dir="$WINEPREFIX/drive_c/$pasta"
  mkdir -p "$dir"
  cp "$EXE" "$dir/Quillora.exe"
  cp data/dados.lst "$dir/"
  start_in "$dir"
  expect_board "C:\\$pasta"
  stop_wine
  rm -rf "$WINEPREFIX/drive_c/users/Łukasz" "$WINEPREFIX/drive_c/Programas"
  echo "  run from C:\\${pasta//\//\\}: ok"
done

# While the message is up, tray clicks start no other cycle and open no
# second message or menu; closing it ends the program.
dir=$(install_copy)
start_in "$dir"
expect_board "message up"
rm "$dir/dados.lst"
tray_click 1
wait_for 30 bash -c "xdotool search --onlyvisible --name '^Quillora 1.0\$'" || fail "no message"
tray_click 1
tray_click 3
inspect --bandeja 3 >/dev/null  # returns once the host has taken them
inspect --bandeja-direita >/dev/null
[ "$(message_boxes)" = 1 ] || fail "message up: $(message_boxes) message boxes"
! menu_window >/dev/null || fail "message up: the tray menu opened"
import -window root "$SHOTS/mensagem-unica.png"
press_ok || fail "message up: the message box did not close"
wait_copies 0 30 || fail "message up: the program did not end"
rm -rf "$dir"
echo "  tray clicks while the message is up: ok"
echo "bad data files under Wine: ok"
