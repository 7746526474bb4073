#!/usr/bin/env bash
# The game played from the keyboard and heard through the real Orca screen reader: a private D-Bus
# session with Xvfb, metacity, speech-dispatcher writing every utterance to a file instead of a
# sound card, the accessibility bus and Orca. play_a_game.sh plays; speech_checks.py then checks
# what Orca said in each step. The run's folder is kept when the test fails.
# Usage: orca_session.sh <zorva executable>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

if [ "${ZORVA_ORCA_SESSION:-}" != 1 ]; then
  # A missing tool fails the test: it must never pass without having heard anything.
  missing=()
  for tool in dbus-run-session Xvfb xprop metacity speech-dispatcher xdotool; do
    command -v "$tool" >/dev/null || missing+=("$tool")
  done
  [ -x /usr/libexec/at-spi-bus-launcher ] || missing+=(at-spi-bus-launcher)
  [ -x /usr/lib/speech-dispatcher-modules/sd_generic ] || missing+=(sd_generic)
  /usr/bin/python3 -c 'import importlib.util as u, sys; sys.exit(u.find_spec("orca") is None)' ||
    missing+=(orca)
  if [ ${#missing[@]} -gt 0 ]; then
    echo "cannot play through Orca, not installed: ${missing[*]} (scripts/setup installs them)"
    exit 1
  fi
  exec env ZORVA_ORCA_SESSION=1 dbus-run-session -- bash "$0" "$@"
fi

zorva=$(realpath "$1")
# shellcheck source=../e2e/session_kit.sh
. "$here/../e2e/session_kit.sh"
# shellcheck source=drive_kit.sh
. "$here/drive_kit.sh"
work=$(mktemp -d /tmp/zorva-orca.XXXXXX)
speech=$work/spd-speech.txt
passed=0 checked=0
finish() {
  kill "${game:-}" "${orca:-}" "${speechd:-}" "${bus:-}" "${wm:-}" "${server:-}" 2>/dev/null || true
  [ "$passed" = 1 ] && { rm -rf "$work"; return; }
  [ "$checked" = 1 ] || { echo "Orca said:"; cat "$speech"; }
  echo "the run is kept in $work"
}
trap finish EXIT

# Everything the session's programs keep goes under the run's folder; the game starts on a saved
# game of its own: 1000 credits, 8 lines of 1 coin, sound, Double and count-off off, the card game.
mkdir -p "$work"/{home,config/zorva,runtime,orca-prefs,game}
chmod 700 "$work/runtime"
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime
cat >"$XDG_CONFIG_HOME/zorva/Zorva.ini" <<'INI'
[CurrentGame]
Credits=1000
Borrowed=0
Spins=0
LinesPlayed=8
CoinsPerLine=1
Sound=0
Double=0
PayMode=0
BonusGame=0
INI
touch "$speech"

start_xvfb "$work"
export DISPLAY=$display
# A window manager, as on a desktop: without one the game's window is never made active, and
# after a dialog closes Orca hears of no window to speak.
metacity --no-composite >"$work/wm.log" 2>&1 &
wm=$!
for _ in $(seq 50); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

# speech-dispatcher reads the user's configuration: one output module, which appends each text it
# is given to the speech file.
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher/modules"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "textlog" "sd_generic" "textlog.conf"
DefaultModule textlog
LanguageDefaultModule "en" "textlog"
CONF
cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/textlog.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\n' '\$DATA' >> $speech"
GenericLanguage "en" "en" "utf-8"
AddVoice "en" "MALE1" "en"
CONF
speech-dispatcher --run-single --timeout 0 --log-dir "$work" >"$work/speechd.log" 2>&1 &
speechd=$!
for _ in $(seq 50); do
  [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && break
  sleep 0.1
done

start_accessibility_bus
/usr/bin/python3 "$here/start_orca.py" "$work/orca.log" "$work/orca-prefs" >"$work/orca.out" 2>&1 &
orca=$!
# Orca says "Screen reader on." once it listens.
heard . 30 || { echo "Orca never spoke:"; cat "$work/orca.out"; exit 1; }

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
started=$SECONDS
# shellcheck source=play_a_game.sh
. "$here/play_a_game.sh"
echo "played in $((SECONDS - started)) s"

kill -TERM "$game"
wait "$game" || { echo "the program did not end cleanly on SIGTERM"; cat "$work/game.log"; exit 1; }
# Orca's debug log is written in blocks: it must end on its own to keep the last of it.
kill -TERM "$orca"
for _ in $(seq 50); do kill -0 "$orca" 2>/dev/null || break; sleep 0.2; done

checked=1
python3 "$here/speech_checks.py" "$speech"
passed=1
