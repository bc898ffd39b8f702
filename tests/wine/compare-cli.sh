#!/bin/sh
# Runs the native soramito-cli and its Windows build (under Wine) on the same commands, and
# fails unless both print the same bytes on stdout and stderr and exit alike. Paths are
# relative to a scratch folder holding the samples twice: as samples/ and under a Japanese
# name with a blank. Needs a display and SORAMITO_WINEPREFIX (make test-win provides both).
# usage: compare-cli.sh NATIVE_BUILD WINDOWS_BUILD
set -u
if [ $# -ne 2 ]; then
  echo "usage: $0 NATIVE_BUILD WINDOWS_BUILD" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/../.." && pwd)
nativeBuild=$(realpath "$1")
windowsBuild=$(realpath "$2")
native=$nativeBuild/soramito-cli
windows=$windowsBuild/soramito-cli.exe
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$root/samples" "$work/samples"
cp -r "$root/samples" "$work/サンプル データ"
cd "$work" || exit 2

commands=0
failures=0
compare() {
  commands=$((commands + 1))
  "$native" "$@" >native.out 2>native.err
  nativeStatus=$?
  "$root/tests/wine/run-in-wine.sh" "$windows" "$@" >windows.out 2>windows.err
  windowsStatus=$?
  if [ "$nativeStatus" -ne "$windowsStatus" ] || ! cmp -s native.out windows.out ||
     ! cmp -s native.err windows.err; then
    failures=$((failures + 1))
    echo "DIFFERS: soramito-cli $* (exit $nativeStatus native, $windowsStatus Windows)"
    cmp native.out windows.out
    cmp native.err windows.err
  fi
}

pattern='×××○○×××○×○×○○×○×○○×'
compare values --seed 0 --from 1 --json
compare values --seed 63 --from 4941 --count 64 --json
compare values --seed 5 --from 100 --count 64
compare identify "$pattern" --json
compare identify "$pattern"
compare identify 'oooxx' --json
compare identify '' --json
compare identify 'xxxooxoxoxoxooxoxoox' --tolerance 2 --json
compare identify "$pattern" --scenario samples/worked-battle.json
compare --help
compare --version
compare
for scenario in worked-battle level-up-search turn-plan; do
  compare --data-dir samples search "samples/$scenario.json" --json
  compare --data-dir samples run "samples/$scenario.json" --json
done
compare --data-dir samples run samples/turn-plan.json
compare --data-dir samples advance samples/level-up-search.json
compare --data-dir samples advance samples/level-up-search.json --json
compare --data-dir samples advance samples/turn-plan.json
compare --data-dir samples units
compare --data-dir samples search 'サンプル データ/worked-battle.json' --json
compare --data-dir samples growth --ally アルト --books 0,3,11 --json
compare values --seed 64 --from 1 --json
compare --data-dir 'サンプル' units --json
compare --data-dir 'サンプル データ' units --json
compare --data-dir samples run 'サンプル データ/missing.json' --json
compare locate samples/level-up-search.json --ally-hp 40 --enemy-hp 10 --grown 0,1,0,0,0,0,0,0,0
compare locate samples/worked-battle.json --enemy-hp 0 --marks "$pattern" --json
compare locate samples/worked-battle.json --grown 1,1,0,0,0,0,0,0,0
# Every sequence, shared among threads; places kept, and advance narrowing them.
compare locate samples/worked-battle.json --ally-hp 40 --enemy-hp 0 --all-sequences --json
printf '{"ally": {"name": "x"}, "eventSwitches": [0, 1, 0, 0], "kept": [[0, 2], [4, 1], [0, 19], [0, 1]]}' >kept.json
compare locate kept.json --ally-hp 40 --enemy-hp 0
compare --data-dir samples advance kept.json --json

if [ "$failures" -ne 0 ]; then
  echo "soramito-cli.exe: $failures of $commands commands differ from the native CLI"
  exit 1
fi
echo "soramito-cli.exe: $commands commands, byte for byte the native build's"
