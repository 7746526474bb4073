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

# start_xvfb <work folder>: a 1024 × 768 X server on a display it picks itself, answered before this
# returns; sets display and server. The server names its display once it accepts connections, so
# no guessed number can collide with another test's, and it never resets between clients.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$1/xvfb.display" >"$1/xvfb.log" 2>&1 &
  server=$!
  display=""
  for _ in $(seq 100); do
    [ -s "$1/xvfb.display" ] && display=:$(head -1 "$1/xvfb.display") && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "$display" ] || { echo "the X server did not start:"; cat "$1/xvfb.log"; exit 1; }
}

# start_accessibility_bus: the AT-SPI bus of this D-Bus session, answering before this returns;
# sets bus.
start_accessibility_bus() {
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  bus=$!
  for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && return
    sleep 0.1
  done
}
