#!/usr/bin/env bash
# Runs the fuzz targets (build them first: cmake --preset fuzz && cmake --build --preset fuzz).
#
#   scripts/fuzz.sh [SECONDS [RUNS]] [TARGET...]   each target in turn under nice, until it has run
#                                                  for SECONDS (default 600) or RUNS inputs (default
#                                                  1000000), whichever comes first
#   scripts/fuzz.sh --smoke                        every target for 5 s, two at a time (CI)
#
# Each target starts from its seeds in fuzz/corpus/NAME and keeps what it learns in
# build/fuzz/corpus/NAME; a finding is written to build/fuzz/findings/NAME and fails the run.
# The last line per target gives its runs and coverage (cov: edges, ft: features).
set -euo pipefail
cd "$(dirname "$0")/.."

bin=build/fuzz/bin
all=(settings_text skin_description picture_guards picture_decode hotkey_text code_page colour_list ticker_page resample
  focus_mark)

run_one() { # name seconds runs
  local name=$1 seconds=$2 runs=$3
  mkdir -p "build/fuzz/corpus/$name" "build/fuzz/findings/$name"
  local log="build/fuzz/findings/$name.log"
  if nice "$bin/fuzz_$name" -max_total_time="$seconds" -runs="$runs" -rss_limit_mb=2048 -timeout=10 \
      -print_final_stats=1 -artifact_prefix="build/fuzz/findings/$name/" \
      "build/fuzz/corpus/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
    local units cov
    units=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$')
    cov=$(grep -E '^#[0-9]+' "$log" | tail -1 | grep -o 'cov: [0-9]* ft: [0-9]*')
    echo "$name: $units runs, $cov"
  else
    echo "$name: FINDING, see $log and build/fuzz/findings/$name/"
    grep -E 'ERROR|broken|SUMMARY' "$log" | head -5
    return 1
  fi
}

if [ "${1:-}" = "--smoke" ]; then
  failed=0
  for ((i = 0; i < ${#all[@]}; i += 2)); do
    pids=()
    for name in "${all[@]:i:2}"; do
      run_one "$name" 5 -1 &
      pids+=($!)
    done
    for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
  done
  exit $failed
fi

seconds=600
runs=1000000
[[ "${1:-}" =~ ^[0-9]+$ ]] && { seconds=$1; shift; }
[[ "${1:-}" =~ ^[0-9]+$ ]] && { runs=$1; shift; }
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")
failed=0
for name in "${targets[@]}"; do run_one "$name" "$seconds" "$runs" || failed=1; done
exit $failed
