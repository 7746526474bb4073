#!/usr/bin/env python3
"""Reads and drives the running game over AT-SPI, as a screen reader does: finds the machine's
buttons by name and role, reads the Credits meter, presses Spin through its action and reads the
outcome from the status line. Prints what it read; exits non-zero on the first thing missing."""
import sys
import time

import pyatspi


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def wait_for(what, find, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    fail(what)


def game():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "Zorva Slots":
            return app
    return None


def children(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from children(child)


def named(app, role, start):
    for node in children(app):
        if (role is None or node.getRoleName() == role) and node.name.startswith(start):
            return node
    return None


def main():
    app = wait_for("the game is not on the accessibility bus", game)
    frame = wait_for("the main window has no accessible children",
                     lambda: next((w for w in app if w is not None and w.childCount > 20), None))
    print("window:", frame.getRoleName(), repr(frame.name), frame.childCount, "children")

    buttons = {}
    for name in ["Spin", "Stop", "Lines plus", "Lines minus", "Coins plus", "Coins minus",
                 "Summary", "About Zorva Slots"]:
        button = named(frame, "push button", name)
        if button is None:
            fail("no push button named " + name)
        action = button.queryAction()
        buttons[name] = button
        print("button:", repr(button.name), action.getName(0), repr(action.getKeyBinding(0)))
    if buttons["Spin"].queryAction().getKeyBinding(0) != ";;Enter":
        fail("Spin does not name its key as the accelerator")
    buttons["Sound"] = named(frame, "check box", "Sound")
    if buttons["Sound"] is None:
        fail("Sound is not a check box")
    if buttons["Sound"].getState().contains(pyatspi.STATE_CHECKED):
        fail("Sound reads as on in a game saved with sound off")

    credits = named(frame, "label", "Credits:")
    if credits is None or credits.name != "Credits: 500":
        fail("Credits reads %r" % (credits.name if credits else None))
    if credits.queryValue().currentValue != 500:
        fail("the Credits value is %r" % credits.queryValue().currentValue)
    print("meter:", repr(credits.name))

    status = named(frame, "status bar", "")
    before = status.name
    print("status:", repr(before))
    buttons["Spin"].queryAction().doAction(0)
    wait_for("the spin was never announced", lambda: status.name != before, 30)
    print("status:", repr(status.name))
    wheels = named(frame, None, "Wheels:")
    print("wheels:", repr(wheels.name if wheels else None))
    outcome = status.queryText().getText(0, -1)
    if not any(words in outcome for words in ("paid", "There were no winning lines", "added to the bonus pool")):
        fail("the outcome reads %r" % outcome)
    # A Mystery symbol on the centre wheel (one spin in twenty) starts the chaser, which holds
    # Spin back until Stop takes a box: do what the announcement asks, as a player would.
    def chasing():
        return "The chaser is running" in status.queryText().getText(0, -1)

    wait_for("the spin never settled",
             lambda: chasing() or buttons["Spin"].getState().contains(pyatspi.STATE_SENSITIVE), 30)
    if chasing():
        buttons["Stop"].queryAction().doAction(0)
        wait_for("the Mystery Bonus was never awarded",
                 lambda: "credit bonus" in status.queryText().getText(0, -1), 30)
        print("status:", repr(status.name))
    wait_for("Spin never came back after the spin",
             lambda: buttons["Spin"].getState().contains(pyatspi.STATE_SENSITIVE), 30)
    print("credits after the spin:", repr(credits.name))
    print("read as a screen reader reads it")


if __name__ == "__main__":
    main()
