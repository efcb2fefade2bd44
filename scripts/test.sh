#!/usr/bin/env bash
# Builds what the tests need and runs every test: the portable code natively under sanitizers,
# a short pass of every fuzz target, then under Wine the Win32 layer, the program end to end on
# virtual displays and the two packages a user downloads. Each step says when it starts.
set -euo pipefail
cd "$(dirname "$0")/.."

step() { echo "== $* (at ${SECONDS} s)"; }

scripts/setup.sh

# The native tests run in the fuzz targets' build (clang, ASan and UBSan), which instruments the
# same libraries anyway: one native build instead of three keeps CI short. The plain native preset
# (benchmarks, the skin generator's tools) is for working on the code.
for preset in sanitizers windows; do
  step "$preset"
  cmake --preset "${preset/sanitizers/fuzz}" >/dev/null
  cmake --build --preset "$preset"
done
step "packages"
cmake --build --preset windows --target package

step "native tests, with sanitizers"
ctest --preset sanitizers
step "fuzz targets, 5 s each"
scripts/fuzz.sh --smoke
# The tests under Wine mostly wait for windows: they run two at a time, each in a Wine slot of its
# own (tests/e2e/CMakeLists.txt). The Win32 tests that open windows need a display; each
# end-to-end session starts its own.
step "Win32, end-to-end and package tests under Wine"
xvfb-run -a -s "-screen 0 1280x800x24" ctest --preset windows-all
step "done"
