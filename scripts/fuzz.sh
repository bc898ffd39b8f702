#!/bin/sh
# Runs every fuzz target for a set time on its seed corpus (tests/fuzz/corpus/TARGET) and what
# earlier runs found (BUILD/corpus/TARGET), and says per target how many inputs it ran and
# whether anything broke; a breaking input is left in BUILD/findings/TARGET/.
# usage: fuzz.sh BUILD SECONDS
set -u
build=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
for target in pattern_fuzz unit_entry_fuzz unit_file_fuzz growth_file_fuzz scenario_fuzz \
              roster_fuzz simulation_fuzz; do
  corpus="$build/corpus/$target"
  findings="$build/findings/$target"
  mkdir -p "$corpus" "$findings"
  log="$build/$target.log"
  "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=30 \
    -rss_limit_mb=2048 -artifact_prefix="$findings/" "$corpus" "$root/tests/fuzz/corpus/$target" \
    >"$log" 2>&1
  result=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if [ "$result" -eq 0 ] && [ -z "$(ls -A "$findings")" ]; then
    echo "$target: ${runs:-0} inputs, nothing found"
  else
    echo "$target: ${runs:-?} inputs, FOUND a breaking input: $findings/ (log: $log)"
    status=1
  fi
done
exit $status
