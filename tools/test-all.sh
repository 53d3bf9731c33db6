#!/usr/bin/env bash
# Builds everything and runs every test, headless: the native unit tests (ASan + UBSan), then the
# Win32 tests of both Windows builds (x86_64 and i686) under Wine and Xvfb. Installs what is missing
# first (tools/setup-debian.sh). Warnings are errors here.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup-debian.sh

step() { printf '\n== %s\n' "$*"; }

step "formatting (clang-format, the project's .clang-format)"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

step "static analysis of the portable core (cppcheck)"
cppcheck --enable=warning,performance,portability --error-exitcode=1 --std=c++20 -I . --quiet --inline-suppr \
  common/core menu/core creator/core start/core tendwell/core

step "native: portable core, unit tests"
cmake --preset native -DCORVANE_WERROR=ON >/dev/null
cmake --build --preset native
ctest --preset native

step "native: fuzz targets over the portable core, a few seconds each (tools/fuzz.sh)"
tools/fuzz.sh 2

for preset in mingw-x64 mingw-x86; do
  step "$preset: programs and Wine tests"
  cmake --preset "$preset" -DCORVANE_WERROR=ON >/dev/null
  cmake --build --preset "$preset"
done

step "Wine: x86_64 and i686 tests"
tools/with-wine.sh -- bash -c 'ctest --preset mingw-x64 && ctest --preset mingw-x86'
