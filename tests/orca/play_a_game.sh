# shellcheck shell=bash
# The scripted game, sourced by orca_session.sh once Orca speaks: start, change the bet, switch
# Double on from the keyboard, spin until a win opens the card game, turn a card there, close it,
# then open and close the statistics. Each step is marked in $speech; speech_checks.py holds what
# Orca must have said in each. Sets game, the program's process.

# tab_to NAME: Tab round the focus ring until Orca names NAME as the control in focus.
tab_to() {
  for _ in $(seq 24); do
    press Tab
    heard 'button|check box' 2 || true
    said "^$1\\b" && return 0
  done
  echo "Tab never reached $1"
  exit 1
}

step start
(cd "$work/game" && exec "$zorva") >"$work/game.log" 2>&1 &
game=$!
wait_window '^Zorvania$' 20 >/dev/null || { echo "the game's window never appeared"; exit 1; }
heard 'Credits: [0-9]+\.' 20 || true
quiet

step one line fewer
press k
heard 'Lines Played' 5 || true
step one line more
press l
heard 'Lines Played' 5 || true
step one coin more
press c
heard 'Coins per Line' 5 || true
step one line too many
press l
heard 'Lines Played' 5 || true

# Double has no key of its own: Tab to it and press it with Space.
step focus to Double
tab_to Double
quiet 3
step Double on
press space
quiet 3
# Escape takes the ring away, so that Space is the machine's Stop key again.
step focus back to the machine
press Escape
quiet 3

# A spin wins about one time in four at eight lines: thirty spins all lose once in some 8000 games.
outcome='Line [0-9]+ paid|There were no winning lines|Won the Bonus Pool|credits added to the bonus pool'
double_game='^(Double or Nothing Card Game|Pyramid)$'
dialog=""
for _ in $(seq 30); do
  step spin
  press Return
  heard "$outcome|The chaser is running|Free spins start" 12 || true
  # A win opens the double-or-nothing game as soon as it is announced.
  if said 'Winnings: [0-9]+'; then
    dialog=$(wait_window "$double_game" 5) && break
  fi
  # The Mystery chaser runs until Stop; free spins play themselves, and a free spin's win opens
  # the double-or-nothing game as well.
  if said 'The chaser is running'; then
    press s
    heard 'Won [0-9]+ credit bonus' 5 || true
  fi
  if said 'Won [0-9]+ free spins|Free spins start'; then
    for _ in $(seq 60); do
      dialog=$(window_named "$double_game")
      [ -n "$dialog" ] && break 2
      heard 'Free spins are over' 1 && break
    done
  fi
  dialog=$(window_named "$double_game")
  [ -n "$dialog" ] && break
  quiet 2
done
[ -n "$dialog" ] || { echo "no spin in thirty opened a double-or-nothing game"; exit 1; }
[ "$(xdotool getwindowname "$dialog")" != Pyramid ] || { echo "the Pyramid opened, not the saved card game"; exit 1; }
quiet 3

# The game opens with the focus on OK; Help and Pyramid come next, then the first card.
step double game: to the first card
for _ in 1 2 3; do
  press Tab
  heard 'button' 2 || true
done
quiet 2
step double game: turn it
press space
quiet 4
# OK wherever the focus is: keeps what is left of the winnings and closes the game.
step double game: close
press alt+o
gone_window "$double_game" 10 || { echo "the card game did not close"; exit 1; }
quiet 4

step focus to Stats
tab_to Stats
quiet 3
step open Statistics
press space
wait_window '^Your Game Statistics$' 10 >/dev/null || { echo "the statistics never opened"; exit 1; }
heard 'dialog' 10 || true
quiet 4
step close Statistics
press Escape
gone_window '^Your Game Statistics$' 10 || { echo "the statistics did not close"; exit 1; }
quiet 4
# Nothing is spoken while the game waits for the player.
step at rest
sleep 6
step end
