# Cross-compiling the Windows programs: 32-bit MinGW-w64 with the posix thread model.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)

# Libraries cross-built by scripts/cross-deps.sh.
set(VESKARA_WIN32_PREFIX "/var/cache/veskara/win32-prefix" CACHE PATH "cross-built libraries")
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32 ${VESKARA_WIN32_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The programs carry their libraries inside: the prefix holds only static archives, and
# the MinGW tree has zlib both ways, so ask for its archive (FindZLIB). FindPNG puts
# ZLIB::ZLIB after libpng on the link line.
set(ZLIB_USE_STATIC_LIBS ON)

# Tests run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh")
