#!/usr/bin/env bash
# The real program read as a screen reader reads it: a private D-Bus session with the
# accessibility bus, the game under Xvfb with Qt's AT-SPI bridge on, atspi_check.py finding its
# buttons, reading Credits and pressing Spin through its action; then SIGTERM, and the saved game
# must count the spin. Usage: atspi_session.sh <zorva executable>
set -euo pipefail
if [ "${ZORVA_ATSPI_SESSION:-}" != 1 ]; then
  exec env ZORVA_ATSPI_SESSION=1 dbus-run-session -- bash "$0" "$@"
fi
zorva=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=session_kit.sh
. "$(dirname "$0")/session_kit.sh"
work=$(mktemp -d)
trap 'kill "${game:-}" "${server:-}" "${bus:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

write_starting_game "$work/config"
start_xvfb "$work"
export DISPLAY=$display

start_accessibility_bus

XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$zorva" &
game=$!
# The Debian interpreter: pyatspi is a Debian package.
/usr/bin/python3 "$here/atspi_check.py"
kill -TERM "$game"
wait "$game" || { echo "the program did not end cleanly on SIGTERM"; exit 1; }

spins=$(sed -n 's/^Spins=//p' "$work/config/zorva/Zorva.ini")
[ "$spins" = 8 ] || { echo "the saved game counts $spins spins, not 8"; exit 1; }
echo "the spin pressed through AT-SPI was saved"
