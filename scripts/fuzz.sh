#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz) and runs each for the given number of seconds, 600 by
# default, starting from the committed seed corpus. A finding ends the run non-zero, with the input
# that caused it kept under build/fuzz/findings/ and the command that replays it printed.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
build=build/fuzz
findings=$build/findings

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

run() {
  local name=$1 max_len=$2
  shift 2
  local fuzzer=$build/tests/fuzz/${name}_fuzzer log=$build/$name.log work=$build/corpus/$name
  mkdir -p "$work" "$findings"
  echo "fuzz: $name for ${seconds}s"
  # New inputs go to the first corpus folder, so the committed seeds stay as they are.
  if "$fuzzer" -max_total_time="$seconds" -timeout=10 -max_len="$max_len" -print_final_stats=1 \
    -artifact_prefix="$findings/$name-" "$@" "$work" "tests/fuzz/corpus/$name" >"$log" 2>&1; then
    grep -E '^stat::number_of_executed_units' "$log" | sed "s/^/fuzz: $name: /"
    return 0
  fi
  echo "fuzz: FINDING in $name (full log: $log)" >&2
  grep -E 'FUZZ FINDING|ERROR: (AddressSanitizer|UndefinedBehaviorSanitizer|libFuzzer)|runtime error|SUMMARY' "$log" >&2 || tail -n 30 "$log" >&2
  local artifact
  artifact=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
  [ -n "$artifact" ] && echo "fuzz: replay with: $fuzzer $artifact" >&2
  return 1
}

status=0
run naming 600 -dict=tests/fuzz/naming.dict || status=1
run conversion 8192 || status=1
exit $status
