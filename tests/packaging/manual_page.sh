#!/usr/bin/env bash
# The installed manual page renders without a warning from man or groff, and its NAME line gives
# the one-line summary that apropos and whatis show. Usage: manual_page.sh <zorva.6.gz>
set -euo pipefail
page=$1
warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "man warns:"; echo "$warnings"; exit 1; }
whatis=$(lexgrog "$page") || { echo "no whatis line: $whatis"; exit 1; }
echo "$whatis"
grep -q '"zorva - ' <<<"$whatis" || { echo "the NAME line does not name zorva"; exit 1; }
echo "the manual page renders without warnings"
