#!/usr/bin/env python3
"""Opens every window of the running game through its option buttons over AT-SPI, photographs
the screen while each is open (import on X11, weston-screenshooter on Wayland), and closes it
through its own button. Usage: window_shots.py <folder> <prefix> <x11|wayland>"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from atspi_check import children, game, named, wait_for  # noqa: E402

# Option buttons whose windows a player opens, and the buttons that close them, tried in order.
# In another language, name them in ZORVA_SHOT_OPTIONS and ZORVA_SHOT_CLOSERS, separated by "|".
OPTIONS = os.environ.get("ZORVA_SHOT_OPTIONS",
                         "Stats|Summary|Help?|Borrow|Save Game|Load Game|New Game|Pay Chart").split("|")
CLOSERS = os.environ.get("ZORVA_SHOT_CLOSERS", "Close|Cancel|OK|No").split("|")


def shoot(folder, name, display):
    path = os.path.join(folder, name + ".png")
    if display == "x11":
        subprocess.run(["import", "-window", "root", path], check=False)
    else:
        before = set(os.listdir(folder))
        subprocess.run(["weston-screenshooter"], cwd=folder, timeout=10, check=False,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        made = [f for f in set(os.listdir(folder)) - before if f.startswith("wayland-screenshot")]
        if made:
            os.rename(os.path.join(folder, made[0]), path)
    print("shot:", path)


def main():
    folder, prefix, display = sys.argv[1:4]
    app = wait_for("the game is not on the accessibility bus", game)
    frame = wait_for("the main window has no accessible children",
                     lambda: next((w for w in app if w is not None and w.childCount > 20), None))
    time.sleep(1)
    shoot(folder, prefix + "-machine", display)
    for option in OPTIONS:
        windows = [w for w in app if w is not None]
        button = named(frame, "push button", option)
        if button is None:
            print("no option", option)
            continue
        button.queryAction().doAction(0)
        window = wait_for(option + " opened no window",
                          lambda: next((w for w in app if w is not None and w not in windows), None), 10)
        time.sleep(1.5)
        shoot(folder, prefix + "-" + option.replace("?", "").strip().replace(" ", "-").lower(), display)
        closer = next((b for name in CLOSERS for b in children(window)
                       if b.getRoleName() == "push button" and b.name == name), None)
        if closer is not None:
            closer.queryAction().doAction(0)
        elif display == "x11":
            subprocess.run(["xdotool", "key", "Escape"], check=False)
        else:
            print(option, "has no button to close it, and a headless compositor takes no keys")
            return 0
        wait_for(option + " did not close", lambda: len([w for w in app if w is not None]) == len(windows))
    return 0


if __name__ == "__main__":
    sys.exit(main())
