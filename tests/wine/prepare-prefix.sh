#!/bin/sh
# Makes a Wine prefix fit for the tests, once: Wine's own fonts lack Tahoma and the Japanese
# faces, so menus and dialogs would draw boxes; with no window manager each window close
# would stall ~2 s unless Wine manages the windows itself. SORAMITO_DPI, when set, is the
# prefix's screen resolution (LogPixels); Wine reads it as it starts.
set -e
if [ $# -ne 1 ] || [ -z "$1" ]; then
  echo "usage: $0 PREFIX" >&2
  exit 2
fi
prefix=$1
marker="$prefix/.soramito-ready"
[ -f "$marker" ] && exit 0

mkdir -p "$(dirname "$prefix")"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine decodes the face names below from the locale's charset.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
# Parallel test runs may all find the prefix unprepared; only one may build it.
exec 9>"$prefix.lock"
flock 9
[ -f "$marker" ] && exit 0

wineboot -i >/dev/null 2>&1
for face in Tahoma "MS UI Gothic" "ＭＳ ゴシック" "ＭＳ Ｐゴシック" "MS Shell Dlg" "MS Shell Dlg 2"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d IPAGothic /f >/dev/null 2>&1
done
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# A program that crashes ends with its exception code and a backtrace on stderr, instead of
# waiting for somebody to close the debugger's window.
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
if [ -n "${SORAMITO_DPI:-}" ]; then
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$SORAMITO_DPI" /f \
    >/dev/null 2>&1
fi
# The caption buttons are Marlett glyphs; this Wine build does not find fonts-wine's copy.
cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
# The registry reaches disk only when the server goes; a later server must see it.
wineserver -w
touch "$marker"
