#!/usr/bin/env bash
# Runs one fuzz target for a number of seconds of wall-clock time and prints
# what it did: executions, crashes, and where the crashing inputs are.
#
#   fuzz/run.sh BUILD_DIR TARGET SECONDS [--keep-going]
#
# TARGET is user_file, slot_index, speech, think_input or engine_diff. The
# committed seeds in fuzz/corpus/TARGET are read but never written; the
# inputs the fuzzer finds go to BUILD_DIR/fuzz/work/TARGET and the crashing
# ones to BUILD_DIR/fuzz/artifacts/. Without --keep-going the first crash
# ends the run with status 1; with it the fuzzer starts again until the time
# is up, and the status is 1 if anything crashed.
set -uo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(cd "$1" && pwd)
target=$2
seconds=$3
keep_going=${4:-}

binary="$build_dir/fuzz/fuzz_$target"
seeds="$source_dir/fuzz/corpus/$target"
work="$build_dir/fuzz/work/$target"
artifacts="$build_dir/fuzz/artifacts"
logs="$build_dir/fuzz/logs"
[ -x "$binary" ] || { echo "no fuzz target $binary (build with -DZUMORU_FUZZ=ON)" >&2; exit 2; }
mkdir -p "$work" "$artifacts" "$logs"

deadline=$(( $(date +%s) + seconds ))
executions=0
crashes=0
round=0
while :; do
  left=$(( deadline - $(date +%s) ))
  [ "$left" -gt 0 ] || break
  round=$((round + 1))
  log="$logs/$target-$round.log"
  # -timeout: an input that takes 10 s is a hang and counts as a crash.
  (cd "$build_dir" && "$binary" -max_total_time="$left" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$artifacts/$target-" "$work" "$seeds") >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [ -z "$runs" ]; then
    # A crash ends libFuzzer before its final stats; its last status line counts.
    runs=$(grep -oE '^#[0-9]+' "$log" | tail -1 | tr -d '#')
  fi
  executions=$(( executions + ${runs:-0} ))
  if [ "$status" -ne 0 ]; then
    crashes=$((crashes + 1))
    echo "fuzz_$target: crash (status $status), see $log:"
    grep -E 'property broken|ERROR: (AddressSanitizer|libFuzzer|UndefinedBehaviorSanitizer)|runtime error|Test unit written' "$log" | head -5
    [ "$keep_going" = "--keep-going" ] || break
  fi
done
echo "fuzz_$target: $executions executions, $crashes crashes, $round rounds, ${seconds}s"
[ "$crashes" -eq 0 ]
