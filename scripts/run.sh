#!/usr/bin/env bash
# Builds the Windows program and starts it under Wine with the settings and skin it ships with.
# Uses the X display in $DISPLAY, or starts a virtual one when there is none.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target ColourPicker

program=build/windows/bin/ColourPicker.exe
if [ -n "${DISPLAY:-}" ]; then
  exec scripts/wine-run.sh "$program"
fi
echo "run: no DISPLAY; starting the program on a virtual display (screenshot: import -display :\$n -window root shot.png)"
exec xvfb-run -a -s "-screen 0 1280x800x24" scripts/wine-run.sh "$program"
