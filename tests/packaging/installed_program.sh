#!/usr/bin/env bash
# Builds the .deb with CPack, checks what it holds and what it depends on, runs lintian on it,
# unpacks it into a scratch root and starts the installed program through its launcher under Xvfb. The installed
# copy must find its own folder, so its first frame is the build tree's copy's first frame, and it
# must save the game when SIGTERM ends it. Usage: installed_program.sh <build folder>
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'kill "${game:-}" "${server:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/package/zorva_*.deb)
echo "built $(basename "$deb"), $(du -k "$deb" | cut -f1) kB"
root=$work/root
dpkg-deb -x "$deb" "$root"
folder=$root/usr/lib/games/zorva

# Debian's own checker: no error and no warning; a tag that does not apply is overridden in the
# package, with its reason.
lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2>&1 | tee "$work/lintian.log" ||
  fail "lintian rejects the package"
if grep -E '^[EW]: ' "$work/lintian.log"; then fail "lintian has errors or warnings"; fi
echo "lintian: no error, no warning"

# What it holds: the whole program folder, the launcher, and what desktops read.
[ -x "$folder/zorva" ] || fail "no executable in /usr/lib/games/zorva"
[ -f "$folder/zorva-sound.so" ] || fail "no sound module in /usr/lib/games/zorva"
[ "$(readlink "$root/usr/games/zorva")" = ../lib/games/zorva/zorva ] ||
  fail "/usr/games/zorva does not link to the program"
[ -z "$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E 'post(inst|rm)')" ] ||
  fail "the package has maintainer scripts"
# A line starting with two spaces would be shown verbatim instead of wrapped.
if dpkg-deb -f "$deb" Description | tail -n +2 | grep -q '^  '; then
  fail "the long description has lines that do not wrap"
fi
cd "$build/bin"
shipped=0
for file in *.bmp *.wav $(find help www -type f); do
  cmp -s "$file" "$folder/$file" || fail "$file is missing from the package or differs from the build's"
  shipped=$((shipped + 1))
done
cd - >/dev/null
[ "$shipped" -ge 60 ] || fail "only $shipped files in the program folder"
[ -f "$root/usr/share/applications/zorva.desktop" ] || fail "no desktop entry"
ls "$root"/usr/share/metainfo/*.metainfo.xml >/dev/null || fail "no metainfo"
[ -f "$root/usr/share/icons/hicolor/scalable/apps/zorva.svg" ] || fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
  icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/zorva.png
  [ "$(identify -format '%w %h' "$icon" 2>/dev/null)" = "$size $size" ] || fail "no $size-pixel icon"
done
echo "holds the program folder ($shipped files), the launcher, the desktop entry, the metainfo and 9 icons"

# The sound server's client library comes with the sound module, after the first frame.
if objdump -p "$folder/zorva" | awk '/NEEDED/ && /libpulse/ {found = 1} END {exit !found}'; then
  fail "the executable itself links libpulse"
fi

# What it depends on: the package of every library the program and its sound module link, each
# one installable here.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
names=$(sed 's/([^)]*)//g; s/[|,]/ /g' <<<"$depends" | tr -s ' ' '\n')
for library in $(objdump -p "$folder/zorva" "$folder/zorva-sound.so" | awk '/NEEDED/ {print $2}' | sort -u); do
  # awk reads to the end: quitting early would let SIGPIPE end ldconfig, and pipefail the script.
  path=$(ldconfig -p | awk -v name="$library" '$1 == name && /x86-64/ && !found {print $NF; found = 1}')
  [ -n "$path" ] || fail "$library is not on this system"
  # The file may be listed under /lib or /usr/lib, whichever its package installed it as.
  package=$(dpkg-query -S "$path" "/usr$path" "${path#/usr}" 2>/dev/null | head -1 || true)
  package=${package%%:*}
  [ -n "$package" ] || fail "no package holds $path"
  grep -qxF "$package" <<<"$names" || fail "links $library from $package, which it does not depend on"
done
grep -qxF fonts-dejavu-core <<<"$names" || fail "does not depend on the font it draws with"
# A virtual package (qt6-base-abi, which ties the build to the Qt it was built with, since the
# zoom uses Qt's private scaling) counts as installed when an installed package provides it.
provided=$(dpkg-query -W -f='${Status}\t${Provides}\n' 2>/dev/null | awk -F'\t' '$1 == "install ok installed" {print $2}' |
  sed 's/([^)]*)//g; s/,/ /g' | tr -s ' ' '\n')
for package in $names; do
  [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" = "install ok installed" ] ||
    grep -qxF "$package" <<<"$provided" || fail "depends on $package, which is not installed here"
done

# Both copies start on the same saved game on one X server; they must paint the same frame.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
server=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")

run() { # run <program> <name>: starts it, screenshots its window, ends it with SIGTERM
  local config=$work/$2/config
  mkdir -p "$config/zorva"
  printf '[CurrentGame]\nCredits=777\nBorrowed=1000\nSpins=3\nCoinsPerLine=2\nSound=1\n' >"$config/zorva/Zorva.ini"
  XDG_CONFIG_HOME=$config XDG_CACHE_HOME=$config/cache "$1" &
  game=$!
  local window=""
  for _ in $(seq 100); do
    window=$(xdotool search --name '^Zorvania$' 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "$2: the window never appeared"
  sleep 1
  import -window "$window" "$work/$2.png"
  # With Sound on, the sound module is loaded from the executable's own folder once the first frame is out.
  grep -qF "$(dirname "$(readlink -f "$1")")/zorva-sound.so" "/proc/$game/maps" ||
    fail "$2: the sound module beside the program was not loaded"
  kill -TERM "$game"
  wait "$game" || fail "$2: did not end cleanly on SIGTERM"
  game=""
  grep -q '^Credits=777' "$config/zorva/Zorva.ini" || fail "$2: the game was not saved"
  grep -q '^Spins=3' "$config/zorva/Zorva.ini" || fail "$2: the game was not saved"
}
run "$build/bin/zorva" build-tree
run "$root/usr/games/zorva" installed
differing=$(compare -metric AE "$work/build-tree.png" "$work/installed.png" null: 2>&1 || true)
[ "$differing" = 0 ] || fail "the installed program's first frame differs in $differing pixels"
colours=$(identify -format '%k' "$work/installed.png")
[ "$colours" -ge 1000 ] || fail "the installed program drew only $colours colours: no artwork?"
echo "the installed program started, drew the same $colours-colour frame as the build tree and saved the game"
