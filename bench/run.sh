#!/usr/bin/env bash
# Builds the benchmarks and prints the table (method and latest results: docs/performance.md).
#
#   bench/run.sh [rounds]     rounds of the side-by-side Wine measurements (default 7, at least 7
#                             for the goals: every ratio is a median with its spread)
#
# Native codec benchmarks build in build/bench-native (Release, no sanitizers); the programs and the
# Wine benchmarks in build/bench-x64. Everything is measured side by side in this one run, on a
# private Wine session from tools/with-wine.sh. Nothing here is part of the test run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
rounds=${1:-7}
jobs=${CORVANE_BENCH_JOBS:-2}

echo "building the benchmarks ..." >&2
cmake --preset native -B build/bench-native -DCMAKE_BUILD_TYPE=Release -DCORVANE_SANITIZE=OFF \
  -DCORVANE_TESTS=OFF >/dev/null
cmake --build build/bench-native -j"$jobs" --target bench_datafile bench_entry_find >/dev/null
cmake --preset mingw-x64 -B build/bench-x64 -DCORVANE_TESTS=OFF >/dev/null
cmake --build build/bench-x64 -j"$jobs" --target corvane_bench_windows Tendwell Utility usbview >/dev/null

echo "| Measured | Median | Ratio | Goal |"
echo "|---|---|---|---|"

# 1. Data.dat codec, natively: the median of real time of the save against the plain write.
echo "measuring Data.dat saving ..." >&2
build/bench-native/bench/bench_datafile --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
  --benchmark_format=json 2>/dev/null | python3 -c '
import json, sys
runs = {b["run_name"]: b["real_time"] for b in json.load(sys.stdin)["benchmarks"] if b.get("aggregate_name") == "median"}
def row(what, name, base, goal):
    print(f"| {what} | {runs[name]:.2f} ms | {runs[name] / runs[base]:.2f}x of plain {base[5:].lower()} | {goal} |")
row("plain write, 100000 entries of bytes", "PlainWrite", "PlainWrite", "")
row("save 100000 entries (encode + write)", "SaveEntries", "PlainWrite", "<= 2x")
'

# 1b. A keystroke in the find box, natively: each typed text against the plain folding scan of it.
echo "measuring the find over 100000 entries ..." >&2
build/bench-native/bench/bench_entry_find --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
  --benchmark_format=json 2>/dev/null | python3 -c '
import json, sys
medians = [b for b in json.load(sys.stdin)["benchmarks"] if b.get("aggregate_name") == "median"]
runs = {b["run_name"]: b["real_time"] for b in medians}
for b in medians:
    if not b["run_name"].startswith("FindEntries/"):
        continue
    text, find, scan = b["label"], b["real_time"], runs[b["run_name"].replace("FindEntries", "PlainScan")]
    print(f"| plain folding scan for \"{text}\", 100000 entries | {scan:.2f} ms | 1.00x of plain scan |  |")
    print(f"| find \"{text}\" in 100000 entries | {find:.2f} ms | {find / scan:.2f}x of plain scan | <= 2x |")
'

# 2.-4. Under Wine: menu start and memory, sort and save, a keystroke in the find box, the search
# for programs on a drive, drive preparation.
echo "measuring under Wine (a few minutes) ..." >&2
bin="$root/build/bench-x64"
win() { echo "Z:${1//\//\\}"; }
tools/with-wine.sh -- bash -c "
  set -e
  run() { \"\$CORVANE_WINE_LOADER\" \"\$@\" 2>/dev/null | tr -d '\r'; }
  run '$bin/bench/bench_menu_start.exe' '$(win "$bin/menu/Menu.exe")' '$(win "$bin/bench/bench_minimal_window.exe")' 'E:\\start' $rounds
  run '$bin/bench/bench_sort_save.exe' 'E:\\sort' $((rounds * 2 - 1))
  run '$bin/bench/bench_find_keystroke.exe' 'E:\\find' $rounds
  run '$bin/bench/bench_program_search.exe' 'E:\\search' $rounds
  run '$bin/bench/bench_creator.exe' '$(win "$bin/menu/Menu.exe")' '$(win "$bin/start/Kindel.exe")' 'E:\\prepare' 3
"

# 5. Sizes: as built (RelWithDebInfo carries debug information) and without it, as a user gets them.
stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
for program in menu/Menu creator/Stickwright start/Kindel tendwell/Tendwell utility/Utility usbview/usbview; do
  x86_64-w64-mingw32-strip -o "$stripped" "$bin/$program.exe"
  built=$(stat -c %s "$bin/$program.exe")
  bytes=$(stat -c %s "$stripped")
  awk -v name="${program#*/}.exe" -v b="$bytes" -v built="$built" \
    'BEGIN { printf "| size, %s (%.0f KB as built) | %.0f KB stripped | %.2fx of 1 MB | < 1 MB |\n", name, built / 1024, b / 1024, b / 1048576 }'
done
