#!/bin/sh
# Takes the pictures of the players' guide with the program itself, under Wine on a virtual
# display: take_pictures plays a first session on the sample files and saves the main window
# and its dialogs, which become PNG files without time stamps, so that a picture file
# changes only when what it shows does.
# usage: take-pictures.sh WINDOWS_BUILD OUTPUT_FOLDER
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "$1")
out=$(realpath "$2")
work="$build/pictures"
rm -rf "$work"
mkdir -p "$work" "$out"
cp "$root/samples/character.txt" "$root/samples/grow.txt" "$root/samples/turn-plan.json" "$work"
cd "$work"
SORAMITO_WINEPREFIX="$build/wineprefix" "$root/tests/wine/on-virtual-display.sh" \
  "$root/tests/wine/run-in-wine.sh" "$build/tools/pictures/take_pictures.exe"
for picture in *.bmp; do
  convert "$picture" -strip "$out/${picture%.bmp}.png"
  echo "$out/${picture%.bmp}.png"
done
