// The decoders behind DecodeImage, one per picture format, and the limits they share.
// Private to platform/image*.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/image.h"

namespace image_formats {

using ByteView = std::span<const std::uint8_t>;

// Pictures come from the web (the weather icon), so sizes read from the bytes are never
// trusted: a side longer than kMaxSide or more than kMaxPixels pixels (64 MiB of BGRA, a
// sane ceiling for a 32-bit process whose largest picture is an animation of 534 x 598)
// is refused before anything is allocated. An animation's frames together stay within
// kMaxAnimationPixels (256 MiB), and it has at most kMaxFrames frames.
constexpr std::int64_t kMaxSide = 16384;
#ifndef VESKARA_FUZZING
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 24;
constexpr std::int64_t kMaxAnimationPixels = std::int64_t{1} << 26;
#else
// The fuzz build (scripts/fuzz.sh) keeps pictures small so that its runs go into the
// structure of the bytes rather than into filling and copying large canvases.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 20;
constexpr std::int64_t kMaxAnimationPixels = std::int64_t{1} << 22;
#endif
constexpr std::int64_t kMaxFrames = 4096;

bool SizeAcceptable(std::int64_t width, std::int64_t height);

// A still picture of the given size with every pixel transparent black.
Image BlankStill(int width, int height);

// True when `length` bytes from `offset` lie inside `bytes`; offsets read from the bytes
// themselves are checked here before any use, in 64-bit arithmetic.
inline bool Fits(ByteView bytes, std::uint64_t offset, std::uint64_t length) {
  return offset <= bytes.size() && length <= bytes.size() - offset;
}

// Little-endian fields; 0 outside the bytes.
inline std::uint16_t ReadU16(ByteView bytes, std::uint64_t at) {
  if (!Fits(bytes, at, 2)) return 0;
  return std::uint16_t(bytes[at] | bytes[at + 1] << 8);
}
inline std::uint32_t ReadU32(ByteView bytes, std::uint64_t at) {
  if (!Fits(bytes, at, 4)) return 0;
  return std::uint32_t(ReadU16(bytes, at)) | std::uint32_t(ReadU16(bytes, at + 2)) << 16;
}

bool HasPngSignature(ByteView bytes);

// Each decoder is handed bytes that begin with its format's signature and gives an empty
// image for anything it cannot decode in full.
Image DecodePng(ByteView bytes);
Image DecodeJpeg(ByteView bytes);
Image DecodeGif(ByteView bytes);
Image DecodeBmp(ByteView bytes);
Image DecodeIco(ByteView bytes);

// A device-independent bitmap: its header, bit masks and palette, then its rows.
// `rowsOffset` is where the rows start within `dib`; without it they follow the palette,
// as in an icon. An icon's bitmap (`iconWithMask`) declares twice its height and keeps a
// 1-bit AND mask behind its rows that marks the transparent pixels.
Image DecodeDib(ByteView dib, std::optional<std::size_t> rowsOffset, bool iconWithMask);

}  // namespace image_formats
