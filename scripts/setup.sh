#!/usr/bin/env bash
# Installs everything the build and the tests need on a Debian 12 machine (as root).
# Quick the second time: apt is asked only for what is missing, and the cross-built
# libraries are kept in a cache keyed by their source versions.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

packages=(
  cmake ninja-build g++ pkg-config python3
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  libz-mingw-w64-dev mingw-w64-tools
  libgtest-dev libgmock-dev libbenchmark-dev libpng-dev libjpeg-dev libgif-dev zlib1g-dev
  wine wine32:i386 xvfb xdotool x11-apps x11-utils imagemagick
  fonts-wqy-zenhei locales
  dpkg-dev make nasm
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ /etc/apt/sources.list; then
    cat > /etc/apt/sources.list.d/veskara-src.sources <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  fi
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine and the Windows console want a locale that exists; zh_CN gives code page 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  sed -i -E 's/^# *(zh_CN.UTF-8 UTF-8|en_US.UTF-8 UTF-8)/\1/' /etc/locale.gen
  locale-gen >/dev/null
fi

# These machines cannot run 32-bit x86 code natively, and 32-bit Wine runs the Windows
# programs: qemu's user-mode emulator carries it. Bookworm's own qemu (7.2) walks its page
# table one page at a time for every large mapping, and Wine maps gigabytes: each Wine
# process then spends about a minute of CPU before its first window. The backported qemu
# keeps those mappings as intervals and starts the same process in under a second.
qemu=/usr/bin/qemu-i386
binfmt=/proc/sys/fs/binfmt_misc
if ! dpkg --compare-versions "$(dpkg-query -W -f='${Version}' qemu-user 2>/dev/null || true)" ge 1:9.1; then
  if ! grep -rqs 'bookworm-backports' /etc/apt/sources.list.d/ /etc/apt/sources.list; then
    cat > /etc/apt/sources.list.d/veskara-backports.sources <<'BPO'
Types: deb
URIs: http://deb.debian.org/debian
Suites: bookworm-backports
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
BPO
  fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends -t bookworm-backports qemu-user >/dev/null
fi
# A registration made earlier for another emulator is replaced by this one.
if [ -e "$binfmt/qemu-i386" ] && ! grep -qx "interpreter $qemu" "$binfmt/qemu-i386"; then
  echo -1 >"$binfmt/qemu-i386"
fi
if ! "$here/scripts/can-run-i386.sh"; then
  [ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt"
  [ -e "$binfmt/qemu-i386" ] || printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$qemu"':F' >"$binfmt/register"
  "$here/scripts/can-run-i386.sh" || { echo "setup: 32-bit programs cannot run here" >&2; exit 1; }
fi

"$here/scripts/cross-deps.sh"
