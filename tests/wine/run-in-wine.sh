#!/bin/sh
# Runs one Windows exe under Wine the way every test expects: a fixed prefix, a non-Japanese
# locale (the program must not rely on the system code page), quiet logs that still name a
# missing DLL, and no Mono/Gecko install prompts. The exit status is the exe's.
if [ $# -eq 0 ]; then
  echo "usage: $0 PROGRAM.exe [ARGS...]" >&2
  exit 2
fi
WINEPREFIX=${SORAMITO_WINEPREFIX:-$WINEPREFIX}
if [ -z "$WINEPREFIX" ]; then
  echo "$0: set SORAMITO_WINEPREFIX (or WINEPREFIX)" >&2
  exit 2
fi
if [ -z "$DISPLAY" ]; then
  echo "$0: DISPLAY is not set; run under xvfb-run" >&2
  exit 2
fi
export WINEPREFIX
export LANG=C.UTF-8 LC_ALL=C.UTF-8
export WINEDEBUG=-all,err+module
export WINEDLLOVERRIDES="mscoree,mshtml="
# A prefix Wine made on its own would lack the font and window settings the tests rely on.
"$(dirname "$0")/prepare-prefix.sh" "$WINEPREFIX" || exit 2
exec wine "$@"
