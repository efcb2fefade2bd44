#!/usr/bin/env bash
# Makes the Wine prefix named by $WINEPREFIX unless it is complete already. Safe to call from
# several processes at once: one makes it, the others wait for it.
#
# The prefix is complete when system.reg exists; Wine writes the registry only when its server
# exits, so the maker waits for that. A crash must end the program instead of leaving it alive
# behind the debugger's dialog, where a test would take it for running.
set -euo pipefail
: "${WINEPREFIX:?}"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree=d;mshtml=d"

[ -f "$WINEPREFIX/system.reg" ] && exit 0
mkdir -p "$WINEPREFIX"
exec 9>"$WINEPREFIX.lock"
flock -w 300 9
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 9>&-
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 9>&-
  timeout 120 wineserver -w 9>&-
  [ -f "$WINEPREFIX/system.reg" ] || { echo "wineprefix: wineboot left no registry in $WINEPREFIX" >&2; exit 1; }
fi
