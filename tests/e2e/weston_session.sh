#!/usr/bin/env bash
# The real program on Wayland: a headless weston of the given size, the game started on it with Qt's
# Wayland plugin, left to run, photographed, and ended with SIGTERM; it must have stayed up, drawn
# its machine, opened and closed a modal window and a message box, ended cleanly and saved the
# game. Headless weston has no input device, so the windows are opened over AT-SPI, as a screen
# reader opens them, on a private D-Bus session. Usage: weston_session.sh <zorva executable> <width> <height>
set -euo pipefail
if [ "${ZORVA_WESTON_SESSION:-}" != 1 ]; then
  exec env ZORVA_WESTON_SESSION=1 dbus-run-session -- bash "$0" "$@"
fi
zorva=$1 width=$2 height=$3
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=session_kit.sh
. "$here/session_kit.sh"
work=$(mktemp -d)
trap 'kill "${game:-}" "${compositor:-}" "${bus:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

mkdir -p "$work/config/zorva" "$work/runtime"
chmod 700 "$work/runtime"
# Only two keys: the save on closing writes every key of the section.
printf '[CurrentGame]\nCredits=4321\nSound=0\n' >"$work/config/zorva/Zorva.ini"

export XDG_RUNTIME_DIR=$work/runtime
socket=zorva-test-$$
weston --backend=headless-backend.so --width="$width" --height="$height" --socket="$socket" --idle-time=0 --use-pixman \
  --debug >"$work/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { cat "$work/weston.log"; echo "weston did not start"; exit 1; }

start_accessibility_bus

export WAYLAND_DISPLAY=$socket
QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" "$zorva" 2>"$work/game.log" &
game=$!
sleep 4
kill -0 "$game" 2>/dev/null || { cat "$work/game.log"; echo "the game did not stay up"; exit 1; }
mkdir "$work/windows"
/usr/bin/python3 "$here/wayland_windows_check.py" "$work/windows" || { cat "$work/game.log"; exit 1; }
# Each open window was photographed over the machine: the picture is not all black.
for shot in "$work"/windows/wayland-screenshot-*.png; do
  [ -e "$shot" ] || continue
  awk -v m="$(convert "$shot" -format '%[fx:mean]' info:)" 'BEGIN { exit !(m > 0.02) }' ||
    { echo "$shot is black"; exit 1; }
  [ -n "${ZORVA_KEEP_SHOTS:-}" ] && cp "$shot" "$ZORVA_KEEP_SHOTS/"
done
kill -0 "$game" 2>/dev/null || { cat "$work/game.log"; echo "the game did not stay up after its windows"; exit 1; }

# The machine is on the screen: the output is not all black.
(cd "$work" && timeout 10 weston-screenshooter >/dev/null 2>&1) || true
shot=$(ls "$work"/wayland-screenshot-*.png 2>/dev/null | head -1 || true)
if [ -n "$shot" ]; then
  mean=$(convert "$shot" -format '%[fx:mean]' info:)
  echo "screen ${width}x${height}, mean brightness $mean"
  awk -v m="$mean" 'BEGIN { exit !(m > 0.02) }' || { echo "the screen is black"; exit 1; }
fi

kill -TERM "$game"
wait "$game" || { cat "$work/game.log"; echo "the program did not end cleanly on SIGTERM"; exit 1; }
game=""
if grep -qi "protocol error\|fatal" "$work/game.log"; then
  cat "$work/game.log"
  echo "the Wayland connection failed"
  exit 1
fi
saved=$(cat "$work/config/zorva/Zorva.ini")
grep -q '^Credits=4321' <<<"$saved" || { echo "$saved"; echo "the credits were not saved"; exit 1; }
grep -q '^TotalBets=' <<<"$saved" || { echo "$saved"; echo "the game was not saved on SIGTERM"; exit 1; }
echo "saved on SIGTERM"
