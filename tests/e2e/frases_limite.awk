# Phrases of every length around the board's limits, in the fortune format:
# words of the shipped list joined at random (fixed seed) into phrases of up
# to about nine lines, most near seven, with authors around their label's
# width.
#   awk -v n=3000 -f frases_limite.awk data/frases.txt
BEGIN { FS = "\t"; srand(20261210) }
{
  m = split($1 " " $2, w, " ")
  for (i = 1; i <= m; i++) if (w[i] != "") palavras[++total] = w[i]
}
function palavra() { return palavras[int(rand() * total) + 1] }
function texto(alvo,   t) {
  t = palavra()
  while (length(t) < alvo) t = t " " palavra()
  return t
}
END {
  for (i = 1; i <= n; i++) {
    alvo = rand() < 0.25 ? 1 + int(rand() * 480) : 260 + int(rand() * 160)
    print texto(alvo)
    print "-- " texto(20 + int(rand() * 36))
    print "%"
  }
}
