#!/bin/sh
# Starts the Windows program under Wine in a folder holding the sample files. With no display,
# it runs on a virtual one instead: it plays a short session (a typed pattern, a candidate
# clicked, the status, a battle that fells the enemy, a search), saves a picture of the window
# and closes it.
# usage: run-windows-program.sh PROGRAM.exe WINEPREFIX SCREENSHOT.png
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "$1")
prefix=$(realpath -m "$2")
screenshot=$(realpath -m "$3")
workdir=$(dirname "$program")/run
mkdir -p "$workdir" "$(dirname "$screenshot")"
cp "$root/samples/character.txt" "$root/samples/grow.txt" "$workdir"
export SORAMITO_WINEPREFIX="$prefix"

if [ -n "${DISPLAY:-}" ]; then
  cd "$workdir" && exec "$root/tests/wine/run-in-wine.sh" "$program"
fi

# The played session starts afresh, with an empty %APPDATA% of its own; Wine takes that only from
# a parent Windows process.
rm -rf "$workdir/appdata" && mkdir -p "$workdir/appdata"
appdata_win="Z:$(printf %s "$workdir/appdata" | tr / '\\')"
program_win="Z:$(printf %s "$program" | tr / '\\')"
export program workdir screenshot root appdata_win program_win
"$root/tests/wine/on-virtual-display.sh" sh -c '
  (cd "$workdir" && "$root/tests/wine/run-in-wine.sh" cmd /c "set APPDATA=$appdata_win&& $program_win") &
  sleep 4
  "$root/scripts/play-session.sh"
  import -window root -crop 800x600+0+0 "$screenshot"
  xdotool key --clearmodifiers alt+F4
  wait
'
echo "No display: the window ran on a virtual one; its picture is $screenshot"
