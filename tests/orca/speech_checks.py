#!/usr/bin/env python3
"""Checks what Orca said in each step of the scripted game. Usage: speech_checks.py SPEECH_FILE

The file holds Orca's speech a sentence a line (a line that goes on an utterance starts with a
space), split by the driver's marks: "==== STEP name" starts a step, which may come more than once
as "spin" does, and "==== key K" a key press within it. Prints the transcript, then the checks;
fails if a must-hear line is missing from any run of its step or if one key press, or the start,
made Orca say the same thing twice."""
import re
import sys

OUTCOME = r"Line \d+ paid \d+\.|There were no winning lines on the last spin\.|credits added to the bonus pool\.|Won the Bonus Pool"
CHASER = "The chaser is running"
FREE_SPINS = "Free spins start"

# (step, what Orca must have said in every run of that step): holds today, and must keep holding.
# A step named "spin (last)" is the last spin alone, the one that opened the card game; "spin (with
# the chaser)" a spin that started the Mystery chaser; "spin (with a bonus feature)" one that
# started the chaser or free spins, "spin (without a bonus feature)" any other.
MUST_HEAR = [
    ("start", r"Zorva Slots\. Enter spins, Space stops, Tab moves to the other controls\. Credits: 1000\.$"),
    ("one line fewer", r"\bLines Played: 7\.$"),
    ("one line more", r"\bLines Played: 8\.$"),
    ("one coin more", r"\bCoins per Line: 2\.$"),
    ("one line too many", r"^notification Lines Played: 8, the most\.$"),
    ("focus to Double", r"^Lines minus push button K\.$"),
    ("focus to Double", r"^Double check box not checked\.$"),
    ("Double on", r"^checked$"),
    ("spin", OUTCOME),
    ("spin (before the last, without a bonus feature)", r"^notification .*\bCredits: \d+\.$"),
    ("spin (with the chaser)", r"^notification Won \d+ credit bonus\. Credits: \d+\.$"),
    ("spin (last)", r"^notification .*\bWinnings: \d+\."),
    ("spin (last)", r"^Double or Nothing Card Game dialog\b"),
    ("spin (last)", r"^notification Winnings at stake: [1-9]\d*\. Tab to the cards\b"),
    ("double game: to the first card", r"^card 1, face down\b"),
    ("double game: turn it", r"^notification card 1, (?!face down).*\.$"),
    ("double game: close", r"^Zorvania frame\b"),
    ("double game: close", r"^notification .*\bCredits: \d+\.$"),
    ("open Statistics", r"^Your Game Statistics dialog Spins: \d+\. Regular Spins: \d+\. Free Spins: \d+\. "
                        r"Credits: [\d,]+\. Borrowed: [\d,]+\..* Payoffs, Normal: [\d,]+\. Payoffs, Free Spins: "),
    ("close Statistics", r"^Zorvania frame\b"),
    ("close Statistics", r"^Stats push button\.$"),
]

# Heard once the game says them: reported on every run, never failing it. Move a line up to
# MUST_HEAR once it holds.
NOT_YET = []

# Steps in which Orca must say nothing at all.
SILENT = ["at rest"]

RUNS_OF = {
    "last": lambda runs: runs[-1:],
    # the last spin opened the double-or-nothing game: its credits come when that closes
    "before the last, without a bonus feature": lambda runs: [
        run for run in runs[:-1] if CHASER not in run and FREE_SPINS not in run],
    "with the chaser": lambda runs: [run for run in runs if CHASER in run],
    "with a bonus feature": lambda runs: [run for run in runs if CHASER in run or FREE_SPINS in run],
    "without a bonus feature": lambda runs: [run for run in runs if CHASER not in run and FREE_SPINS not in run],
}


def read_steps(path):
    """[(step name, [[utterance, ...] for each key press, the first before any]), ...]"""
    steps = [("before the game", [[]])]
    for line in open(path, encoding="utf-8", errors="replace").read().splitlines():
        if line.startswith("==== STEP "):
            steps.append((line[len("==== STEP "):], [[]]))
        elif line.startswith("==== key "):
            steps[-1][1].append([])
        elif line.startswith(" ") and steps[-1][1][-1]:
            # speech-dispatcher hands its module one sentence at a time: join them up again
            steps[-1][1][-1][-1] += line
        elif line.strip():
            steps[-1][1][-1].append(line)
    return steps


def heard(steps, step, pattern):
    """None if the step never ran, else whether every run of it said a line matching pattern."""
    which = re.fullmatch(r"(.*?)(?: \((.*)\))?", step)
    runs = ["\n".join(line for press in presses for line in press) for n, presses in steps if n == which[1]]
    runs = RUNS_OF[which[2]](runs) if which[2] else runs
    if not runs:
        return None
    return all(re.search(pattern, text, re.MULTILINE) for text in runs)


def said_twice(steps):
    """The lines one key press (or the start) made Orca say more than once."""
    found = []
    for name, presses in steps:
        for press in presses:
            seen = set()
            for line in press:
                if line in seen:
                    found.append(f"{name}: {line!r}")
                seen.add(line)
    return found


def main():
    steps = read_steps(sys.argv[1])
    print("What Orca said:")
    for name, presses in steps:
        print(f"== {name}")
        for press in presses:
            for line in press:
                print(f"   {line}")
    failures = []
    print("\nChecks:")
    for step, pattern in MUST_HEAR:
        result = heard(steps, step, pattern)
        # a spin that started the chaser, say, need not come in every game
        if result is None and step.endswith(")"):
            print(f"  --   {step}: no such step this time")
            continue
        print(f"  {'ok  ' if result else 'FAIL'} {step}: /{pattern}/")
        if result is None:
            failures.append(f"the step {step!r} never ran")
        elif not result:
            failures.append(f"{step}: nothing said matched /{pattern}/")
    for step in SILENT:
        spoken = [line for name, presses in steps if name == step for press in presses for line in press]
        print(f"  {'FAIL' if spoken else 'ok  '} {step}: silent")
        if spoken:
            failures.append(f"{step}: Orca said {spoken!r}")
    for line in said_twice(steps):
        failures.append(f"said twice for one key press: {line}")
    print("Expected, not yet held (these do not fail the test):")
    for step, pattern in NOT_YET:
        result = heard(steps, step, pattern)
        state = {None: "no such step this time", True: "HOLDS now", False: "not yet"}[result]
        print(f"  {state}: {step}: /{pattern}/")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
