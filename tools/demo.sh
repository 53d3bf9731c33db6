#!/usr/bin/env bash
# The main job, end to end: installs what is missing, builds Corvane (the i686 release build), maps
# a fresh demo folder as drive E: under Wine, prepares it with Stickwright as a user would, starts
# the drive's Kindel.exe, which opens the menu, adds entries through the editor, runs them, moves
# the drive to F: and prepares it again. A screenshot of each step lands in build/demo/.
# With a display ($DISPLAY) the menu stays open at the end until you close it; without one the
# demo runs on a virtual display and ends.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup-debian.sh
cmake --preset mingw-x86 >/dev/null
cmake --build --preset mingw-x86 --target corvane_driver

build=build/mingw-x86
display=()
if [ -n "${DISPLAY:-}" ]; then
  display=(--display)
  export CORVANE_DEMO_WAIT=1
fi
export CORVANE_DEMO=1
tools/with-wine.sh "${display[@]}" -- tests/e2e/journey.sh "$build/tests/e2e/corvane_driver.exe" \
  "$PWD/$build/Corvane" "$build/tests/win/corvane_launch_recorder.exe" "$PWD/build/demo"
echo "Screenshots of every step: build/demo/"
