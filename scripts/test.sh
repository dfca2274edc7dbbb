#!/usr/bin/env bash
# Runs every test tier: host unit tests, Win32 tests under Wine, end-to-end tests of the
# real programs under Xvfb + Wine. Installs what it needs first.
set -euo pipefail
. "$(dirname "$0")/lib.sh"

"$root/scripts/setup.sh"

echo "== building (host)"
build_preset native
echo "== host unit tests"
ctest --test-dir "$root/build/native" --output-on-failure --no-tests=error -j2

echo "== building (Win32)"
build_preset win32
start_virtual_display
echo "== Win32 and end-to-end tests under Wine (display $DISPLAY)"
ctest --test-dir "$root/build/win32" --output-on-failure --no-tests=error
echo "Screenshots of the end-to-end run: $root/artifacts/"
