#!/usr/bin/env bash
# The real program under Xvfb: starts on a prepared saved game, takes keys from xdotool (one more
# coin a line, then a spin), is started a second time while the wheels turn, is ended with SIGTERM,
# and must have saved the new bet, the spin and its credits. The second start must bring the first
# window forward and end on its own. Usage: xvfb_session.sh <zorva executable>
set -euo pipefail
zorva=$1
# shellcheck source=session_kit.sh
. "$(dirname "$0")/session_kit.sh"
work=$(mktemp -d)
trap 'kill "${game:-}" "${cover:-}" "${server:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

write_starting_game "$work/config"
start_xvfb "$work"

XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" DISPLAY=$display "$zorva" &
game=$!
window=""
for _ in $(seq 100); do
  window=$(DISPLAY=$display xdotool search --name '^Zorvania$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the window never appeared"; exit 1; }
# The caption a desktop shows is the window's own, with nothing appended to it.
caption=$(DISPLAY=$display xprop -id "$window" _NET_WM_NAME)
[ "$caption" = '_NET_WM_NAME(UTF8_STRING) = "Zorvania"' ] || { echo "the caption reads: $caption"; exit 1; }
sleep 0.5
DISPLAY=$display xdotool key --window "$window" c
DISPLAY=$display xdotool key --window "$window" Return
sleep 0.5
# Another window comes over the game; the second start must bring the game's window back on top.
DISPLAY=$display xmessage -geometry 300x200+40+40 "over the game" 2>/dev/null &
cover=$!
for _ in $(seq 50); do
  DISPLAY=$display xdotool search --class '^Xmessage$' >/dev/null 2>&1 && break
  sleep 0.1
done
topmost() { # the id, in hex, of the topmost of the game's window and the covering one
  DISPLAY=$display xwininfo -root -children |
    awk -v game="$(printf '0x%x' "$window")" '$1 == game || $2 == "\"xmessage\":" {print $1; exit}'
}
[ "$(topmost)" != "$(printf '0x%x' "$window")" ] || { echo "the covering window did not come over the game"; exit 1; }
started=$(date +%s%N)
XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" DISPLAY=$display timeout 20 "$zorva" ||
  { echo "the second start did not hand over to the running game (status $?)"; exit 1; }
echo "the second start ended after $((($(date +%s%N) - started) / 1000000)) ms"
[ "$(topmost)" = "$(printf '0x%x' "$window")" ] || { echo "the first window did not come forward"; exit 1; }
[ "$(DISPLAY=$display xdotool search --name '^Zorvania$' | wc -l)" = 1 ] || { echo "a second window opened"; exit 1; }
kill "$cover"
sleep 3.5
kill -TERM "$game"
wait "$game" || { echo "the program did not end cleanly on SIGTERM"; exit 1; }

saved=$(cat "$work/config/zorva/Zorva.ini")
echo "$saved"
value() { sed -n "/^$1=/{s/^$1=//p;q}" <<<"$saved"; }
[ "$(value CoinsPerLine)" = 2 ] || { echo "the new bet was not saved"; exit 1; }
[ "$(value Spins)" = 8 ] || { echo "the spin was not counted"; exit 1; }
[ "$(value TotalBets)" = 316 ] || { echo "the bet was not booked"; exit 1; }
credits=$(value Credits)
[ "$credits" -ge 484 ] || { echo "credits $credits: the bet of 16 came off more than once"; exit 1; }
echo "saved as expected"
