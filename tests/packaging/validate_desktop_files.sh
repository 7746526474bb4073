#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass desktop-file-validate and appstreamcli, and
# every screenshot the metainfo names is committed at the size it states.
# Usage: validate_desktop_files.sh <packaging source folder> <packaging build folder> "<language> …"
set -euo pipefail
source_folder=$1
build_folder=$2
languages=${3:-}

desktop-file-validate "$source_folder/zorva.desktop"
metainfo=$(ls "$build_folder"/*.metainfo.xml)
# No network here: the screenshot addresses are checked against the committed files instead.
appstreamcli validate --no-net "$metainfo"

# Every language the game speaks is spoken by its desktop entry and software-centre listing too.
for language in $languages; do
  for key in Name GenericName Comment Keywords; do
    grep -q "^$key\[$language\]=" "$source_folder/zorva.desktop" ||
      { echo "zorva.desktop has no $key[$language]"; exit 1; }
  done
  for element in summary p li caption; do
    grep -q "<$element xml:lang=\"$language\">" "$metainfo" ||
      { echo "the metainfo has no <$element> in $language"; exit 1; }
  done
  grep -q "<image [^>]*xml:lang=\"$language\">" "$metainfo" ||
    { echo "the metainfo has no screenshot in $language"; exit 1; }
done

count=0
while read -r width height name; do
  file=$source_folder/screenshots/$name
  [ -f "$file" ] || { echo "screenshot $name is named in the metainfo but not committed"; exit 1; }
  actual=$(identify -format '%w %h' "$file")
  [ "$actual" = "$width $height" ] || { echo "$name is $actual, the metainfo says $width $height"; exit 1; }
  count=$((count + 1))
done < <(sed -n 's|.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)"[^>]*>.*/screenshots/\([^<]*\)</image>.*|\1 \2 \3|p' "$metainfo")
[ "$count" -ge 1 ] || { echo "the metainfo names no screenshot"; exit 1; }
echo "desktop entry, metainfo and $count screenshots valid"
