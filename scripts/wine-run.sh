#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's Wine prefix and returns its exit code
# (the low byte: -1 arrives as 255). Used as CMake's emulator for the Win32 tests and by
# the run and end-to-end scripts. The caller's LC_ALL decides the ANSI code page
# (zh_CN.UTF-8: 936, en_US.UTF-8: 1252).
set -euo pipefail
export WINEPREFIX=${VESKARA_WINEPREFIX:-/var/cache/veskara/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
# No prompts to install Wine's .NET and HTML engines and no desktop menu entries: the
# programs need none of them.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}
export LC_ALL=${LC_ALL:-zh_CN.UTF-8}

if [ ! -f "$WINEPREFIX/.veskara-ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.veskara-ready" ]; then
      wineboot -i >/dev/null 2>&1 || true
      wineserver -w
      touch "$WINEPREFIX/.veskara-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
