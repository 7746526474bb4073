# Shared by the end-to-end scripts: the saved game they start from and a private X server.

# write_starting_game <config home>: 500 credits, 1000 borrowed, 7 spins, 8 lines of 1 coin, all off.
write_starting_game() {
  mkdir -p "$1/zorva"
  cat >"$1/zorva/Zorva.ini" <<'INI'
[CurrentGame]
Credits=500
Borrowed=1000
Spins=7
LinesPlayed=8
CoinsPerLine=1
TotalBets=300
Sound=0
Double=0
PayMode=0
INI
}

# start_xvfb: a 1024 × 768 X server on a free-looking display; sets display and server.
start_xvfb() {
  display=:$((90 + RANDOM % 100))
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  server=$!
  for _ in $(seq 50); do DISPLAY=$display xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}
