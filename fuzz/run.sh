#!/usr/bin/env bash
# Runs every fuzz target of the sanitizer build: first over the inputs that once caught a
# fault (fuzz/regressions/NAME/), then fuzzing from the checked-in seeds for a bounded
# time, two targets at a time. Any finding, crash, leak, timeout or sanitizer report
# fails; its input is kept in BUILD/fuzz-findings/ and the target's log is printed.
#
#   fuzz/run.sh BUILD [SECONDS]      BUILD configured with KLARVON_FUZZ=ON; 20 s each
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
seconds=${2:-20}
findings=$build/fuzz-findings
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$findings"

run_target() {
  local name=$1 seconds=$2 here=$3 build=$4 findings=$5 work=$6
  local program=$build/fuzz/fuzz_$name log=$work/$name.log
  local options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096
                 -print_final_stats=1 -artifact_prefix="$findings/$name-")
  [ -f "$here/$name.dict" ] && options+=(-dict="$here/$name.dict")
  local regressions=()
  [ -d "$here/regressions/$name" ] && mapfile -t regressions < <(find "$here/regressions/$name" -type f)
  mkdir -p "$work/$name"
  if { [ ${#regressions[@]} -eq 0 ] || "$program" "${regressions[@]}"; } >"$log" 2>&1 &&
     "$program" "${options[@]}" "$work/$name" "$here/corpus/$name" >>"$log" 2>&1; then
    echo "fuzz $name: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') runs, no finding"
  else
    echo "fuzz $name: FAILED"
    tail -n 60 "$log"
    return 1
  fi
}
export -f run_target

# libFuzzer and the sanitizers fail on the first report.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0
xargs -P 2 -I{} bash -c 'run_target "$@"' _ {} "$seconds" "$here" "$build" "$findings" "$work" \
  < "$build/fuzz-targets.txt" || status=1
exit $status
