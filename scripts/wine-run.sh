#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine, in the build's own prefix and with a
# Chinese locale, so that the ANSI code page is 936 (GBK) as on the systems the program is made for;
# PICKER_WINE_LANG names another locale (en_US.UTF-8: code page 1252).
# Used by ctest as the cross-compiling emulator: wine-run.sh program.exe [args...]
set -euo pipefail

exe=$1
if [ -z "${PICKER_WINEPREFIX:-}" ]; then
  # The prefix lives in the build folder: the nearest parent of the program holding CMakeCache.txt.
  dir=$(cd "$(dirname "$exe")" && pwd)
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir=$(dirname "$dir"); done
  [ -f "$dir/CMakeCache.txt" ] || { echo "wine-run: no build folder above $exe" >&2; exit 2; }
  PICKER_WINEPREFIX=$dir/wineprefix
fi

export WINEPREFIX=$PICKER_WINEPREFIX
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree=d;mshtml=d"
export LANG=${PICKER_WINE_LANG:-zh_CN.UTF-8}
export LC_ALL=$LANG

"$(dirname "$0")/wineprefix.sh"

exec wine "$@"
