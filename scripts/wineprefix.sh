#!/usr/bin/env bash
# Makes the Wine prefix named by $WINEPREFIX unless it is complete already. Safe to call from
# several processes at once: one makes it, the others wait for it. With PICKER_WINEPREFIX_SEED
# naming a complete prefix, a missing one is made as its copy: seconds instead of a boot's half
# minute. (Each copy gets a server of its own: Wine keys the server to the prefix folder's inode.)
#
# The prefix is complete when its registry is on disk with our two settings; Wine writes the
# registry only when its server exits, so the maker waits for that.
# - A crash must end the program instead of leaving it alive behind the debugger's dialog, where
#   a test would take it for running.
# - Windows are not handed to a window manager: there is none on the test display, and waiting
#   for one makes every hide take two seconds.
set -euo pipefail
: "${WINEPREFIX:?}"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree=d;mshtml=d"

complete() {
  [ -f "$1/system.reg" ] && grep -q '"ShowCrashDialog"=dword:00000000' "$1/user.reg" 2>/dev/null \
    && grep -q '"Managed"="N"' "$1/user.reg" 2>/dev/null
}

complete "$WINEPREFIX" && exit 0
mkdir -p "$WINEPREFIX"
exec 9>"$WINEPREFIX.lock"
flock -w 300 9
seed=${PICKER_WINEPREFIX_SEED:-}
# Only into an empty folder; the copy is moved in whole, so one cut short is never taken for a prefix.
if [ -n "$seed" ] && ! complete "$WINEPREFIX" && complete "$seed" && rmdir "$WINEPREFIX" 2>/dev/null; then
  rm -rf "$WINEPREFIX.copy"
  cp -a "$seed" "$WINEPREFIX.copy"
  mv "$WINEPREFIX.copy" "$WINEPREFIX"
fi
if ! complete "$WINEPREFIX"; then
  timeout 120 wineserver -w 9>&- || true
  [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1 9>&-
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 9>&-
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 9>&-
  timeout 120 wineserver -w 9>&-
  complete "$WINEPREFIX" || { echo "wineprefix: the registry of $WINEPREFIX is not complete" >&2; exit 1; }
fi
