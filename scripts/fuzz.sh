#!/usr/bin/env bash
# Builds the picture decoding fuzz target with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, against the host's libpng, libjpeg and giflib) and runs it
# for a number of seconds. Not part of the normal test run.
#
#   scripts/fuzz.sh [seconds] [more libFuzzer options...]     seconds: 60 when not given
#
# New inputs go to $FUZZ_DIR/corpus (default /tmp/veskara-fuzz), findings to $FUZZ_DIR as
# crash-*, leak-*, timeout-* or oom-* files; the seeds in tests/fuzz/corpus/image are only
# read. A finding is replayed with: $FUZZ_DIR/image_fuzz <file>
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift $(($# > 0 ? 1 : 0))
dir=${FUZZ_DIR:-/tmp/veskara-fuzz}
mkdir -p "$dir/corpus"

sources=(image.cpp image_png.cpp image_jpeg.cpp image_gif.cpp image_bmp.cpp image_ico.cpp)
clang++ -std=c++20 -O1 -g -fno-omit-frame-pointer \
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -DVESKARA_FUZZING \
  -I"$here" "${sources[@]/#/$here/platform/}" "$here/tests/fuzz/image_fuzz.cpp" \
  -lpng -ljpeg -lgif -o "$dir/image_fuzz"

# VESKARA_FUZZING lowers the picture size limits (see platform/image_formats.h), so every
# unit is quick and small: a slow or large one is a finding.
exec "$dir/image_fuzz" -max_total_time="$seconds" -rss_limit_mb=1536 -timeout=10 \
  -artifact_prefix="$dir/" "$@" "$dir/corpus" "$here/tests/fuzz/corpus/image"
