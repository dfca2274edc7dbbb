# Shared pieces of the run and test scripts (sourced, not run).
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Configures (once) and builds one preset quietly; the log goes to build/<preset>.log.
build_preset() {
  local preset=$1
  mkdir -p "$root/build"
  if [ ! -f "$root/build/$preset/build.ninja" ]; then
    cmake --preset "$preset" -S "$root" >"$root/build/$preset-configure.log" 2>&1 ||
      { cat "$root/build/$preset-configure.log"; return 1; }
  fi
  cmake --build "$root/build/$preset" >"$root/build/$preset.log" 2>&1 ||
    { tail -n 60 "$root/build/$preset.log"; return 1; }
}

# Starts a virtual display of 1280 x 1024 and exports DISPLAY; it is stopped at exit.
start_virtual_display() {
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  trap 'kill $xvfb_pid 2>/dev/null; wineserver -k 2>/dev/null || true' EXIT
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  export DISPLAY=":$n"
}
