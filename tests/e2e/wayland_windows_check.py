#!/usr/bin/env python3
"""Drives the game on Wayland over AT-SPI, since a headless compositor has no input device: opens
the statistics window, the Summary message box and the manual through their option buttons,
photographs each while it is open, and closes each through a button of its own (the statistics
through the title bar the game draws for it). Usage: wayland_windows_check.py <folder
for the pictures>. Exits non-zero on the first window that does not open or close."""
import subprocess
import sys

from atspi_check import children, fail, game, named, wait_for


def top_windows(app):
    return [w for w in app if w is not None]


def open_and_close(app, frame, option, title, closer, folder):
    before = len(top_windows(app))
    named(frame, "push button", option).queryAction().doAction(0)
    window = wait_for(option + " opened no window",
                      lambda: next((w for w in top_windows(app) if w.name == title), None))
    print("opened:", window.getRoleName(), repr(window.name))
    # The compositor's own screenshot client: what a player sees while the window is open.
    subprocess.run(["weston-screenshooter"], cwd=folder, timeout=10, check=False,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    button = next((b for b in children(window) if b.getRoleName() == "push button" and b.name == closer), None)
    if button is None:
        fail(title + " has no button " + closer)
    button.queryAction().doAction(0)
    wait_for(title + " did not close", lambda: len(top_windows(app)) == before)
    print("closed:", repr(title))


def main():
    app = wait_for("the game is not on the accessibility bus", game)
    frame = wait_for("the main window has no accessible children",
                     lambda: next((w for w in top_windows(app) if w.childCount > 20), None))
    # Weston draws no title bars, so the game draws the fixed-size windows' own: closed from there.
    open_and_close(app, frame, "Stats", "Your Game Statistics", "Close", sys.argv[1])
    open_and_close(app, frame, "Summary", "Zorva Slots", "OK", sys.argv[1])
    open_and_close(app, frame, "Help?", "Zorva Slots Help", "Close", sys.argv[1])
    print("every window opened and closed on Wayland")


if __name__ == "__main__":
    main()
