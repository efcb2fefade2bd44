#!/usr/bin/env bash
# Builds what the tests need and runs every test: the portable code natively under sanitizers,
# a short pass of every fuzz target, the Win32 layer under Wine, the program end to end under Wine
# on a virtual display, and the two packages a user downloads.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

# The native tests run in the fuzz targets' build (clang, ASan and UBSan), which instruments the
# same libraries anyway: one native build instead of three keeps CI short. The plain native preset
# (benchmarks, the skin generator's tools) is for working on the code.
for preset in sanitizers windows; do
  echo "== $preset"
  cmake --preset "${preset/sanitizers/fuzz}" >/dev/null
  cmake --build --preset "$preset"
done

echo "== native tests, with sanitizers"
ctest --preset sanitizers
echo "== fuzz targets, 5 s each"
scripts/fuzz.sh --smoke
echo "== Win32 and end-to-end tests under Wine"
# The Win32 tests that open windows need a display; the end-to-end runner starts its own.
xvfb-run -a -s "-screen 0 1280x800x24" ctest --preset windows
echo "== packages: the portable zip's contents, the installer and uninstaller under Wine"
cmake --build --preset windows --target package
ctest --preset windows-package
