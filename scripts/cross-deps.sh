#!/usr/bin/env bash
# Cross-builds the picture libraries of the Windows programs (static libpng, libjpeg-turbo
# and giflib for i686-w64-mingw32, posix thread model) from Debian's source packages.
#
# They go into a prefix under the cache folder whose name is a hash of the source
# versions apt offers, the compiler and this recipe, and the stable link
# <cache>/win32-prefix points at it. When that prefix exists already the script only
# checks the link, so later runs take about a second. zlib is Debian's libz-mingw-w64-dev
# (/usr/i686-w64-mingw32) and is not built here.
#
# Needs: a deb-src entry for bookworm (scripts/setup.sh adds one), dpkg-dev, cmake, ninja,
# make, nasm and the MinGW-w64 toolchain. Everything comes from Debian's apt.
set -euo pipefail

cache=${VESKARA_CACHE:-/var/cache/veskara}
target=i686-w64-mingw32
cc=$target-gcc-posix
packages=(libpng1.6 libjpeg-turbo giflib)
recipe=$(readlink -f "${BASH_SOURCE[0]}")
log=$cache/cross-deps.log
started=$SECONDS

exec 4>&2   # the caller's stderr, kept for failure reports once the build talks to the log
say() { printf 'cross-deps: %s\n' "$*"; }
die() { say "$*" >&2; exit 1; }

# The versions of one source package that apt offers, newest first (Debian ordering).
offered_versions() {
  local sorted=() v i
  while read -r v; do
    [[ -n $v ]] || continue
    for ((i = ${#sorted[@]}; i > 0; i--)); do
      dpkg --compare-versions "${sorted[i - 1]}" ge "$v" && break
      sorted[i]=${sorted[i - 1]}
    done
    sorted[i]=$v
  done < <(apt-cache showsrc --only-source "$1" 2>/dev/null | sed -n 's/^Version: //p' | sort -u)
  ((${#sorted[@]})) || return 1
  printf '%s\n' "${sorted[@]}"
}

command -v "$cc" >/dev/null || die "$cc is missing: run scripts/setup.sh first"
mkdir -p "$cache"
exec 9>"$cache/.cross-deps.lock"
flock 9   # one build at a time; a second caller waits and then finds the prefix ready

declare -A offered
fingerprint=""
for p in "${packages[@]}"; do
  offered[$p]=$(offered_versions "$p") ||
    die "apt offers no source of $p: is there a deb-src entry for bookworm, and was apt-get update run?"
  fingerprint+="$p ${offered[$p]//$'\n'/ }"$'\n'
done
fingerprint+="$("$cc" -dumpfullversion) $(sha256sum "$recipe" | cut -c1-64)"
key=$(printf '%s' "$fingerprint" | sha256sum | cut -c1-16)
prefix=$cache/win32-$key

point_link() {
  ln -sfn "win32-$key" "$cache/.win32-prefix.new"
  mv -Tf "$cache/.win32-prefix.new" "$cache/win32-prefix"
}

if [[ -f $prefix/VERSIONS ]]; then
  point_link
  say "up to date: $cache/win32-prefix -> win32-$key ($(paste -sd, "$prefix/VERSIONS" | sed 's/,/, /g')) in $((SECONDS - started)) s"
  exit 0
fi

scratch=$(mktemp -d "${TMPDIR:-/tmp}/veskara-cross.XXXXXX")
stage=$cache/.win32-$key.partial
step="start"
cleanup() {
  local rc=$?
  rm -rf "$scratch"
  if ((rc)); then
    rm -rf "$stage"
    say "FAILED while $step (exit $rc); last lines of $log:" >&4
    tail -n 25 "$log" >&4 || true
  fi
}
trap cleanup EXIT
cd "$scratch"
rm -rf "$stage"
mkdir -p "$stage"/{include,lib}
: >"$log"
exec 3>&1 >>"$log" 2>&1   # the build talks to the log; fd 3 is the terminal
echo "== $(date -u '+%F %T') key $key"
echo "$fingerprint"

# Unpacks the newest offered version of a source package that the archive still serves
# (a mirror can lag behind the index) and prints its folder and version.
fetch() {
  local p=$1 v dir
  while read -r v; do
    dir=$scratch/src/$p
    rm -rf "$dir" && mkdir -p "$dir"
    if (cd "$dir" && apt-get source -q "$p=$v" >&2); then
      printf '%s %s\n' "$(find "$dir" -mindepth 1 -maxdepth 1 -type d)" "$v"
      return 0
    fi
    echo "!! $p $v could not be fetched; trying an older one" >&2
  done <<<"${offered[$p]}"
  return 1
}

# Cross toolchain for the CMake-built libraries; only the MinGW tree is searched, so the
# host's own libraries never leak in.
cat >"$scratch/toolchain.cmake" <<EOF
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER $cc)
set(CMAKE_RC_COMPILER $target-windres)
set(CMAKE_ASM_NASM_COMPILER nasm)
set(CMAKE_FIND_ROOT_PATH /usr/$target)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF
cmake_build() {  # source folder, build folder, extra -D options...
  local src=$1 build=$2
  shift 2
  cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$scratch/toolchain.cmake" -DCMAKE_INSTALL_PREFIX="$stage" \
    -DCMAKE_INSTALL_LIBDIR="$stage/lib" -DCMAKE_INSTALL_INCLUDEDIR="$stage/include" \
    -DCMAKE_INSTALL_BINDIR="$stage/bin" "$@"
  cmake --build "$build" -j "$(nproc)"
  cmake --install "$build"
}

built=()

step="fetching libpng1.6"
read -r src version < <(fetch libpng1.6)
step="building libpng1.6 $version"
cmake_build "$src" "$scratch/build-png" -DPNG_SHARED=OFF -DPNG_STATIC=ON \
  -DPNG_EXECUTABLES=OFF -DPNG_TESTS=OFF \
  -DZLIB_LIBRARY="/usr/$target/lib/libz.a" -DZLIB_INCLUDE_DIR="/usr/$target/include"
grep -q '^#define PNG_SIMPLIFIED_READ_SUPPORTED' "$stage/include/pnglibconf.h" ||
  die "libpng was built without the simplified read API"
built+=("libpng1.6 $version")

step="fetching libjpeg-turbo"
read -r src version < <(fetch libjpeg-turbo)
step="building libjpeg-turbo $version"
cmake_build "$src" "$scratch/build-jpeg" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON \
  -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF -DREQUIRE_SIMD=ON
built+=("libjpeg-turbo $version")

step="fetching giflib"
read -r src version < <(fetch giflib)
step="building giflib $version"
# giflib's own makefile builds shared libraries and tools too; only the archive is needed.
make -C "$src" -j "$(nproc)" libgif.a CC="$cc" AR="$target-ar" \
  CFLAGS="-std=gnu99 -Wall -O2 -DNDEBUG"
install -m 644 "$src/gif_lib.h" "$stage/include/"
install -m 644 "$src/libgif.a" "$stage/lib/"
built+=("giflib $version")

step="installing the prefix"
for a in libpng16.a libjpeg.a libgif.a; do
  [[ -f $stage/lib/$a ]] || die "$a is missing from the prefix"
done
printf '%s\n' "${built[@]}" >"$stage/VERSIONS"
rm -rf "$prefix"
mv -T "$stage" "$prefix"
point_link
echo "== done in $((SECONDS - started)) s"

exec 1>&3 2>&4
say "built $cache/win32-prefix -> win32-$key ($(paste -sd, "$prefix/VERSIONS" | sed 's/,/, /g')) in $((SECONDS - started)) s; log $log"
