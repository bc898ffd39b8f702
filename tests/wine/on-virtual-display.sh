#!/bin/sh
# Runs a command on a virtual display, with the Wine prefix ready and one persistent
# wineserver for the whole run: a server each Wine start made itself would hold the callers'
# output pipes open for seconds after every program. The server is stopped whatever the
# command's verdict, and that verdict is the exit status. SORAMITO_SCREEN, when set, is the
# screen's size (WIDTHxHEIGHT).
# usage: SORAMITO_WINEPREFIX=PREFIX on-virtual-display.sh COMMAND [ARGS...]
set -u
if [ $# -eq 0 ] || [ -z "${SORAMITO_WINEPREFIX:-}" ]; then
  echo "usage: SORAMITO_WINEPREFIX=PREFIX $0 COMMAND [ARGS...]" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
export here SORAMITO_WINEPREFIX
exec xvfb-run -a -s "-screen 0 ${SORAMITO_SCREEN:-2048x1536}x24" sh -c '
  "$here/prepare-prefix.sh" "$SORAMITO_WINEPREFIX" || exit 1
  export WINEPREFIX="$SORAMITO_WINEPREFIX"
  wineserver -p && "$here/run-in-wine.sh" cmd /c exit
  "$@"
  status=$?
  wineserver -k
  exit $status' on-virtual-display "$@"
