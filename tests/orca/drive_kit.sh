# shellcheck shell=bash
# The player's hands and ears, sourced by the driver: keys go to the focused window through XTEST,
# as a keyboard's would, and what Orca says is read back from $speech, where speech-dispatcher
# writes one sentence a line (a line that goes on an utterance starts with a space). Marks in the
# same file split it into steps for speech_checks.py: "==== STEP name" starts a step, "==== key K"
# one key press within it.

step() { echo "==== STEP $*" >>"$speech"; }

# press KEYSYM: one key press, marked, so that what it made Orca say can be told apart.
press() {
  echo "==== key $1" >>"$speech"
  xdotool key --clearmodifiers "$1"
}

# since_mark: what Orca has said since the last mark.
since_mark() { awk '/^==== /{text = ""; next} {text = text $0 "\n"} END {printf "%s", text}' "$speech"; }

# said REGEX: whether Orca has said a line matching REGEX since the last mark.
said() { grep -Eq -- "$1" <<<"$(since_mark)"; }

# heard REGEX [seconds]: waits until it has.
heard() {
  local until=$((SECONDS + ${2:-5}))
  while ((SECONDS < until)); do
    said "$1" && return 0
    sleep 0.2
  done
  return 1
}

# quiet [seconds]: waits until Orca has said nothing new for a second, at most that long; speech
# that comes late must land in the step that caused it.
quiet() {
  local until=$((SECONDS + ${1:-4})) size=-1
  while ((SECONDS < until)); do
    [ "$(stat -c %s "$speech")" = "$size" ] && return 0
    size=$(stat -c %s "$speech")
    sleep 1
  done
}

# window_named REGEX: the id of a shown window whose title matches, if there is one.
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true; }

# wait_window REGEX [seconds]: waits for such a window and prints its id.
wait_window() {
  local until=$((SECONDS + ${2:-10})) id
  while ((SECONDS < until)); do
    id=$(window_named "$1")
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}

# gone_window REGEX [seconds]: waits until no such window is shown.
gone_window() {
  local until=$((SECONDS + ${2:-10}))
  while ((SECONDS < until)); do
    [ -z "$(window_named "$1")" ] && return 0
    sleep 0.2
  done
  return 1
}
