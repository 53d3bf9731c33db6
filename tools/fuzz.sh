#!/usr/bin/env bash
# Builds the fuzz targets (preset `fuzz`: clang, libFuzzer, ASan + UBSan) and runs each one for a
# number of seconds, starting from its corpus in fuzz/corpus/<target>/. Prints a line of figures
# per target and fails when any property or sanitizer check broke (the input is kept as an artifact).
#
#   tools/fuzz.sh              short form, 2 seconds a target (part of tools/test-all.sh)
#   tools/fuzz.sh 600          long form, 10 minutes a target
#   tools/fuzz.sh 60 data_file launch_plan     only these targets
#   tools/fuzz.sh --coverage   line coverage of */core/ by the corpora collected so far (llvm-cov)
#
# Inputs that reach new code are collected in <build>/corpus/<target>/ (kept between runs, never in
# the repository). CORVANE_FUZZ_BUILD names the build folder (default build/fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${CORVANE_FUZZ_BUILD:-build/fuzz}

# Replays the repository's and the collected corpora through a build instrumented for source
# coverage (no sanitizers) and reports the lines of the portable core they reach.
coverage() {
  local cov="$build-coverage"
  cmake --preset fuzz -B "$cov" -DCORVANE_WERROR=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link -fprofile-instr-generate -fcoverage-mapping" >/dev/null
  cmake --build "$cov" -j1 >/dev/null
  rm -rf "$cov/profiles" && mkdir -p "$cov/profiles"
  local objects=() target
  mapfile -t targets <"$cov/fuzz-targets.txt"
  for target in "${targets[@]}"; do
    mkdir -p "$build/corpus/$target"
    LLVM_PROFILE_FILE="$cov/profiles/$target.profraw" "$cov/fuzz/fuzz_$target" -runs=0 \
      "fuzz/corpus/$target" "$build/corpus/$target" >/dev/null 2>&1
    objects+=(-object "$cov/fuzz/fuzz_$target")
  done
  llvm-profdata merge -o "$cov/corpus.profdata" "$cov"/profiles/*.profraw
  llvm-cov report "${objects[@]:1}" -instr-profile="$cov/corpus.profdata" \
    common/core/*.cpp menu/core/*.cpp creator/core/*.cpp start/core/*.cpp 2>/dev/null
}

if [ "${1:-}" = --coverage ]; then
  coverage
  exit 0
fi

seconds=${1:-2}
shift || true

cmake --preset fuzz -B "$build" -DCORVANE_WERROR=ON >/dev/null
if [ $# -gt 0 ]; then
  targets=("$@")
else
  mapfile -t targets <"$build/fuzz-targets.txt"
fi
# One job: the fuzz build is a side task on machines that build other things at the same time.
cmake --build "$build" -j1 --target "${targets[@]/#/fuzz_}"

mkdir -p "$build/artifacts"
printf '%-18s %12s %10s %8s %8s %8s  %s\n' target executions exec/s cov ft corpus result
failed=0
for target in "${targets[@]}"; do
  found="$build/corpus/$target"
  log="$build/artifacts/$target.log"
  mkdir -p "$found"
  status=0
  # New inputs go to the first folder; the repository's corpus is only read.
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
    "$found" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  last=$(grep -E '^#[0-9]+' "$log" | tail -n 1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  corp=$(sed -n 's/.* corp: \([0-9]*\)\/.*/\1/p' <<<"$last")
  result=held
  if [ "$status" -ne 0 ]; then
    result="BROKE (exit $status, see $log)"
    failed=1
  fi
  printf '%-18s %12s %10s %8s %8s %8s  %s\n' "$target" "${runs:-?}" "${speed:-?}" "${cov:-?}" "${ft:-?}" \
    "${corp:-?}" "$result"
done

if [ "$failed" -ne 0 ]; then
  echo "A fuzz target broke; rerun it on the saved input: $build/fuzz/fuzz_<target> $build/artifacts/<target>-crash-..." >&2
  for target in "${targets[@]}"; do
    grep -h -E 'property broken|ERROR: |SUMMARY: ' "$build/artifacts/$target.log" || true
  done
fi
exit "$failed"
