#!/usr/bin/env bash
# Runs a Windows program under Wine and hands back its exit code. Wine reports the low
# byte of the Windows exit code, so ExitProcess(-1) arrives as 255. CMake's emulator for
# the Win32 tests; the run and end-to-end scripts use it too.
#
# The caller decides the ANSI code page through LC_ALL (zh_CN.UTF-8 gives 936,
# en_US.UTF-8 gives 1252; unset means zh_CN.UTF-8, the widget's home) and the X display
# through DISPLAY.
set -euo pipefail

cache=/var/cache/veskara
export WINEPREFIX=${VESKARA_WINEPREFIX:-$cache/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}   # the caller may ask for channels while debugging
# No prompts to install Wine's .NET and HTML engines and no desktop menu entries: the
# programs need none of them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}
export LC_ALL=${LC_ALL:-zh_CN.UTF-8}
# How long an idle Wine server waits for the next program before it exits (Debian's
# wineserver wrapper asks for no wait at all); the tests come one after another.
linger=${VESKARA_WINE_LINGER:-60}

# The prefix is made once and reused; wineboot completes a half-made one (no marker).
ready=$WINEPREFIX/.veskara-ready
if [[ ! -f $ready ]]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [[ ! -f $ready ]]; then
    log=$WINEPREFIX.log
    echo "wine-run: making the Wine prefix $WINEPREFIX (once; log $log)" >&2
    if ! { wineboot -i && wineserver -w; } </dev/null >"$log" 2>&1; then
      echo "wine-run: wineboot -i failed; see $log" >&2
      exit 1
    fi
    touch "$ready"
  fi
  exec 9>&-
fi

# The first program on a fresh server starts the prefix's services, and they would
# inherit the caller's pipes and hold them open while they run (ctest waits for them to
# close). So a server that this call starts gets its services now, on /dev/null. A
# server already running answers with exit code 2.
if wineserver -p"$linger" </dev/null >/dev/null 2>&1; then
  wine wineboot </dev/null >/dev/null 2>&1 || true
fi
exec wine "$@"
