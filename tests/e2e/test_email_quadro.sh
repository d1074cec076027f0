#!/usr/bin/env bash
# The board's envelope hands the phrase to the mail program: characters that
# would change the address are percent-encoded, accents arrive intact.
set -euo pipefail
source "$(dirname "$0")/lib_e2e.sh"
register_recorder

dir=$(install_copy sem-dados)
printf 'Pão & vinho # 100%% certo?\tAutor = Zé\n' >"$dir/frases.txt"
build/native/quillora-frases pack "$dir/frases.txt" "$dir/dados.lst" 2>/dev/null
(cd "$dir" && "$WINE" Quillora.exe >/dev/null 2>&1 &)
report=$(inspect 60) || fail "no board: $report"
read -r left top _ _ <<<"$(field rect "$report")"
board_shot "$left" "$top" "$SHOTS/quadro-email.png"
xdotool mousemove $((left + 40)) $((top + 142)) click 1
got=$(recorded_line 1) || fail "the envelope opened nothing"
want='mailto:?subject=Frase ou Provérbios&body=Pão %26 vinho %23 100%25 certo%3F%0D%0AAutor %3D Zé'
[ "$got" = "$want" ] || fail "board e-mail: $got"
/usr/lib/wine/wineserver -k || true
rm -rf "$dir"
echo "board e-mail under Wine: ok"
