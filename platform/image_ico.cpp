// Icons and cursors: a directory of pictures of several sizes, each stored as a PNG file
// or as a device-independent bitmap with an AND mask. The largest picture is decoded, so
// the picture box that shows it scales down rather than up.
#include "platform/image_formats.h"

namespace image_formats {

namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;

struct Entry {
  int width = 0;  // from the directory; 0 there means 256
  int height = 0;
  int bitCount = 0;
  std::uint32_t size = 0;
  std::uint32_t offset = 0;
};

Entry ReadEntry(ByteView bytes, std::size_t at) {
  Entry entry;
  entry.width = bytes[at] ? bytes[at] : 256;
  entry.height = bytes[at + 1] ? bytes[at + 1] : 256;
  entry.bitCount = ReadU16(bytes, at + 6);
  entry.size = ReadU32(bytes, at + 8);
  entry.offset = ReadU32(bytes, at + 12);
  return entry;
}

// Largest area first, then the most bits per pixel; the first listed among equals.
bool Better(const Entry& a, const Entry& b) {
  const int areaA = a.width * a.height;
  const int areaB = b.width * b.height;
  if (areaA != areaB) return areaA > areaB;
  return a.bitCount > b.bitCount;
}

}  // namespace

Image DecodeIco(ByteView bytes) {
  const std::size_t count = ReadU16(bytes, 4);
  if (count == 0 || !Fits(bytes, kHeaderSize, count * kEntrySize)) return {};

  Entry best = ReadEntry(bytes, kHeaderSize);
  for (std::size_t i = 1; i < count; ++i) {
    const Entry entry = ReadEntry(bytes, kHeaderSize + i * kEntrySize);
    if (Better(entry, best)) best = entry;
  }
  if (!Fits(bytes, best.offset, best.size)) return {};

  // The directory's sizes only choose the entry: the picture's own header says what it is.
  const ByteView picture = bytes.subspan(best.offset, best.size);
  if (HasPngSignature(picture)) return DecodePng(picture);
  return DecodeDib(picture, std::nullopt, true);
}

}  // namespace image_formats
