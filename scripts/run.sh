#!/usr/bin/env bash
# Builds veskara-sim.exe and starts it under Wine: on the current display, or, when there
# is none, on a virtual one, where a screenshot is saved a few seconds after start-up.
set -euo pipefail
. "$(dirname "$0")/lib.sh"

"$root/scripts/setup.sh"
build_preset win32
program="$root/build/win32/veskara-sim.exe"

if [ -n "${DISPLAY:-}" ]; then
  exec "$root/scripts/wine-run.sh" "$program"
fi

start_virtual_display
"$root/scripts/wine-run.sh" "$program" &
widget=$!
sleep "${VESKARA_SCREENSHOT_DELAY:-6}"
mkdir -p "$root/artifacts"
shot="$root/artifacts/veskara-sim-$(date +%Y%m%d-%H%M%S).png"
import -window root "$shot"
echo "veskara-sim is running on virtual display $DISPLAY; screenshot: $shot"
kill "$widget" 2>/dev/null || true
