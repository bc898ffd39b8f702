#!/bin/sh
# A monkey in the window (tools/monkey): the real program under Wine played with random input
# for SECONDS from SEED (a random one when none is given), in a working folder of its own with
# the sample files and an empty %APPDATA%. Then the session it kept must be one that
# soramito-cli run reads. Runs on a display with the Wine prefix ready (on-virtual-display.sh).
# On a failure it prints the seed and the last inputs; every input is in monkey/monkey.log.
# usage: monkey.sh WINDOWS_BUILD NATIVE_BUILD SECONDS [SEED]
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
win=$(realpath "$1")
native=$(realpath "$2")
seconds=$3
seed=${4:-$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')}
work="$win/monkey"
rm -rf "$work"
mkdir -p "$work/appdata" "$work/samples"
cp "$root/samples/character.txt" "$root/samples/grow.txt" "$work"
cp "$root"/samples/*.json "$work/samples"
LC_ALL=C awk -v seed="$seed" 'BEGIN { srand(seed); for (i = 0; i < 3000; i++) printf "%c", int(rand() * 256) }' >"$work/junk.json"
windows() { printf 'Z:%s' "$1" | tr / '\\'; }
cd "$work"
"$root/tests/wine/run-in-wine.sh" "$win/tools/monkey/monkey.exe" "$(windows "$win/win32/soramito.exe")" \
  "$seconds" "$seed" "$(windows "$work/appdata")" >"$work/monkey.log" 2>&1
status=$?
why=$(grep -a '^monkey: FAILED' "$work/monkey.log" | sed 's/.*inputs: //')
[ $status -eq 0 ] || [ -n "$why" ] || why="monkey.exe ended with status $status; see $work/monkey.log"
session="$work/appdata/Soramito/last-session.json"
if [ $status -eq 0 ] &&
  ! "$native/soramito-cli" --data-dir "$work" run "$session" >/dev/null 2>"$work/cli.log"; then
  echo "monkey: soramito-cli run does not read the last session $session:"
  cat "$work/cli.log"
  why="soramito-cli run does not read the last session"
  status=1
fi
if [ $status -ne 0 ]; then
  grep -av '^> ' "$work/monkey.log"
  # The reason once more on the last line, which a log cut to its end still shows.
  echo "monkey: FAILED with seed $seed: $why (again: make monkey MONKEY_SEED=$seed MONKEY_SECONDS=$seconds)"
else
  grep -a 'no crash' "$work/monkey.log"
fi
exit $status
