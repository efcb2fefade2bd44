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
# A test holding ctest's Wine slot N > 0 ("id:N,slots:1"; see tests/e2e/CMakeLists.txt) runs in the
# copy beside the prefix, made from it if missing; harness.py names the copies the same way.
if [ -n "${CTEST_RESOURCE_GROUP_0_WINE:-}" ]; then
  [[ $CTEST_RESOURCE_GROUP_0_WINE =~ ^id:([0-9]+),slots:[0-9]+$ ]] \
    || { echo "wine-run: CTEST_RESOURCE_GROUP_0_WINE=$CTEST_RESOURCE_GROUP_0_WINE names no Wine slot" >&2; exit 2; }
  if [ "${BASH_REMATCH[1]}" != 0 ]; then
    export PICKER_WINEPREFIX_SEED=$PICKER_WINEPREFIX
    PICKER_WINEPREFIX=$PICKER_WINEPREFIX-${BASH_REMATCH[1]}
  fi
fi

export WINEPREFIX=$PICKER_WINEPREFIX
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree=d;mshtml=d"
export LANG=${PICKER_WINE_LANG:-zh_CN.UTF-8}
export LC_ALL=$LANG

"$(dirname "$0")/wineprefix.sh"

exec wine "$@"
