#!/usr/bin/python3
"""Orca as /usr/bin/orca starts it, with its debug log, minus the refusal to run while any other
Orca of the same user runs: that check looks at every process of the user, not at this private
session, and would make the test fail whenever someone else on the machine has Orca open.
Usage: start_orca.py DEBUG_LOG SETTINGS_FOLDER"""
import sys

from orca import debug

debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", encoding="utf-8")

from orca import orca  # noqa: E402  (after the debug file, so that start-up is logged)

manager = orca.getSettingsManager()
manager.activate(sys.argv[2], {})
sys.path.insert(0, manager.getPrefsDir())
sys.exit(orca.main())
