// BMP files and the device-independent bitmaps inside them and inside icons: 1, 4 and
// 8 bits through a palette, 16 and 32 bits through bit masks, 24 bits direct; rows
// bottom-up (positive height) or top-down (negative height). Compressed bitmaps
// (run-length, embedded JPEG or PNG) are not decoded.
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "platform/image_formats.h"

namespace image_formats {

namespace {

constexpr std::uint32_t kUncompressed = 0;     // BI_RGB
constexpr std::uint32_t kBitFields = 3;        // BI_BITFIELDS
constexpr std::uint32_t kAlphaBitFields = 6;   // BI_ALPHABITFIELDS
constexpr std::uint32_t kCoreHeaderSize = 12;  // the old OS/2 header: 16-bit sizes, 3-byte colours
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::size_t kFileHeaderSize = 14;

using Bgra = std::array<std::uint8_t, 4>;

// One colour channel of a 16- or 32-bit pixel, scaled to 0..255.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint64_t max = 0;

  explicit Channel(std::uint32_t m) : mask(m) {
    if (mask == 0) return;
    shift = std::countr_zero(mask);
    max = (std::uint64_t{1} << std::bit_width(mask >> shift)) - 1;
  }
  std::uint8_t From(std::uint32_t pixel) const {
    if (mask == 0) return 0;
    const std::uint64_t value = (pixel & mask) >> shift;
    return std::uint8_t((value * 255 + max / 2) / max);
  }
};

struct DibLayout {
  std::int64_t width = 0;
  std::int64_t height = 0;  // of the picture, without an icon's mask
  bool topDown = false;
  int bitCount = 0;
  std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha; for 16 and 32 bits
  std::uint64_t paletteOffset = 0;
  std::uint64_t paletteEntries = 0;  // as stored; only the first 2^bitCount are used
  int paletteEntrySize = 4;
  std::uint64_t rowsOffset = 0;
  std::uint64_t stride = 0;
};

// Reads the header and the bit masks, and places the palette and the rows.
bool ReadLayout(ByteView dib, std::optional<std::size_t> rowsOffset, bool iconWithMask,
                DibLayout& layout) {
  const std::uint32_t headerSize = ReadU32(dib, 0);
  std::uint32_t compression = kUncompressed;
  std::uint32_t colorsUsed = 0;
  if (headerSize == kCoreHeaderSize && Fits(dib, 0, headerSize)) {
    layout.width = ReadU16(dib, 4);
    layout.height = ReadU16(dib, 6);
    layout.bitCount = ReadU16(dib, 10);
    layout.paletteEntrySize = 3;
  } else if (headerSize >= kInfoHeaderSize && Fits(dib, 0, headerSize)) {
    layout.width = std::int32_t(ReadU32(dib, 4));
    layout.height = std::int32_t(ReadU32(dib, 8));
    layout.bitCount = ReadU16(dib, 14);
    compression = ReadU32(dib, 16);
    colorsUsed = ReadU32(dib, 32);
  } else {
    return false;
  }

  if (layout.height < 0) {
    layout.topDown = true;
    layout.height = -layout.height;
  }
  if (iconWithMask) layout.height /= 2;
  if (!SizeAcceptable(layout.width, layout.height)) return false;

  std::uint64_t masksSize = 0;  // masks stored behind a plain 40-byte header
  switch (compression) {
    case kUncompressed:
      if (layout.bitCount == 16) layout.masks = {0x7C00, 0x03E0, 0x001F, 0};
      // The fourth byte is reserved, yet many writers keep alpha there; see DecodeDib.
      if (layout.bitCount == 32) layout.masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
      break;
    case kBitFields:
    case kAlphaBitFields: {
      if (layout.bitCount != 16 && layout.bitCount != 32) return false;
      // The masks start right behind the 40-byte header's fields in either case: as
      // separate entries after a plain 40-byte header, or as fields of a longer header,
      // which has room for the alpha mask from 56 bytes on.
      int count = compression == kAlphaBitFields ? 4 : 3;
      if (headerSize == kInfoHeaderSize) {
        masksSize = 4 * count;
      } else if (headerSize >= 52) {
        count = headerSize >= 56 ? 4 : 3;
      } else {
        return false;
      }
      if (!Fits(dib, kInfoHeaderSize, 4 * count)) return false;
      for (int i = 0; i < count; ++i) layout.masks[i] = ReadU32(dib, kInfoHeaderSize + 4 * i);
      break;
    }
    default:
      return false;
  }

  switch (layout.bitCount) {
    case 1:
    case 4:
    case 8:
      layout.paletteEntries = colorsUsed ? colorsUsed : 1u << layout.bitCount;
      break;
    case 16:
    case 24:
    case 32:
      layout.paletteEntries = colorsUsed;  // an optional palette that only icons skip over
      break;
    default:
      return false;
  }
  layout.paletteOffset = std::uint64_t{headerSize} + masksSize;
  const std::uint64_t paletteSize = layout.paletteEntries * layout.paletteEntrySize;
  if (layout.bitCount <= 8 && !Fits(dib, layout.paletteOffset, paletteSize)) return false;

  layout.rowsOffset = rowsOffset ? *rowsOffset : layout.paletteOffset + paletteSize;
  layout.stride = (std::uint64_t(layout.width) * layout.bitCount + 31) / 32 * 4;
  return Fits(dib, layout.rowsOffset, layout.stride * std::uint64_t(layout.height));
}

std::array<Bgra, 256> ReadPalette(ByteView dib, const DibLayout& layout) {
  std::array<Bgra, 256> palette;
  palette.fill({0, 0, 0, 255});  // an index past the palette shows black
  const std::uint64_t used =
      std::min<std::uint64_t>(layout.paletteEntries, std::uint64_t{1} << layout.bitCount);
  for (std::uint64_t i = 0; i < used; ++i) {
    const std::uint8_t* entry = dib.data() + layout.paletteOffset + i * layout.paletteEntrySize;
    palette[i] = {entry[0], entry[1], entry[2], 255};
  }
  return palette;
}

void DecodeRow(const std::uint8_t* row, const DibLayout& layout,
               const std::array<Bgra, 256>& palette, const std::array<Channel, 4>& channels,
               std::uint8_t* out) {
  for (std::int64_t x = 0; x < layout.width; ++x, out += 4) {
    Bgra pixel;
    switch (layout.bitCount) {
      case 1:
      case 4:
      case 8: {
        const std::uint64_t bit = std::uint64_t(x) * layout.bitCount;
        const int index =
            (row[bit / 8] >> (8 - layout.bitCount - bit % 8)) & ((1 << layout.bitCount) - 1);
        pixel = palette[index];
        break;
      }
      case 24:
        pixel = {row[x * 3], row[x * 3 + 1], row[x * 3 + 2], 255};
        break;
      default: {
        const std::uint32_t value =
            layout.bitCount == 16 ? std::uint32_t(row[x * 2] | row[x * 2 + 1] << 8)
                                  : std::uint32_t(row[x * 4]) | row[x * 4 + 1] << 8 |
                                        row[x * 4 + 2] << 16 | std::uint32_t(row[x * 4 + 3]) << 24;
        pixel = {channels[2].From(value), channels[1].From(value), channels[0].From(value),
                 channels[3].From(value)};
      }
    }
    std::memcpy(out, pixel.data(), 4);
  }
}

// Alpha from the data counts only when some pixel uses it: writers that leave the
// reserved byte at zero mean an opaque picture, not an invisible one.
bool KeepDataAlpha(const DibLayout& layout, std::vector<std::uint8_t>& bgra) {
  if (layout.masks[3] == 0) return false;
  for (std::size_t i = 3; i < bgra.size(); i += 4)
    if (bgra[i] != 0) return true;
  for (std::size_t i = 3; i < bgra.size(); i += 4) bgra[i] = 255;
  return false;
}

// An icon's AND mask: a set bit makes the pixel transparent.
void ApplyAndMask(ByteView dib, const DibLayout& layout, std::vector<std::uint8_t>& bgra) {
  const std::uint64_t stride = (std::uint64_t(layout.width) + 31) / 32 * 4;
  const std::uint64_t start = layout.rowsOffset + layout.stride * std::uint64_t(layout.height);
  for (std::int64_t y = 0; y < layout.height; ++y) {
    const std::uint8_t* mask = dib.data() + start + std::uint64_t(y) * stride;
    const std::int64_t outY = layout.topDown ? y : layout.height - 1 - y;
    std::uint8_t* out = bgra.data() + outY * layout.width * 4;
    for (std::int64_t x = 0; x < layout.width; ++x)
      if (mask[x / 8] & (0x80 >> (x % 8))) std::memset(out + x * 4, 0, 4);
  }
}

}  // namespace

Image DecodeDib(ByteView dib, std::optional<std::size_t> rowsOffset, bool iconWithMask) {
  DibLayout layout;
  if (!ReadLayout(dib, rowsOffset, iconWithMask, layout)) return {};
  const std::uint64_t maskSize =
      (std::uint64_t(layout.width) + 31) / 32 * 4 * std::uint64_t(layout.height);
  const std::uint64_t maskOffset = layout.rowsOffset + layout.stride * std::uint64_t(layout.height);
  if (iconWithMask && !Fits(dib, maskOffset, maskSize)) return {};

  const std::array<Bgra, 256> palette =
      layout.bitCount <= 8 ? ReadPalette(dib, layout) : std::array<Bgra, 256>{};
  const std::array<Channel, 4> channels = {Channel(layout.masks[0]), Channel(layout.masks[1]),
                                           Channel(layout.masks[2]), Channel(layout.masks[3])};
  Image image = BlankStill(int(layout.width), int(layout.height));
  std::vector<std::uint8_t>& bgra = image.frames[0].bgra;
  for (std::int64_t y = 0; y < layout.height; ++y) {
    const std::int64_t outY = layout.topDown ? y : layout.height - 1 - y;
    DecodeRow(dib.data() + layout.rowsOffset + std::uint64_t(y) * layout.stride, layout, palette,
              channels, bgra.data() + outY * layout.width * 4);
  }
  if (layout.masks[3] == 0)
    for (std::size_t i = 3; i < bgra.size(); i += 4) bgra[i] = 255;
  if (!KeepDataAlpha(layout, bgra) && iconWithMask) ApplyAndMask(dib, layout, bgra);
  return image;
}

Image DecodeBmp(ByteView bytes) {
  // The file header: "BM", file size, two reserved words, then where the rows start.
  if (!Fits(bytes, 0, kFileHeaderSize)) return {};
  const std::uint32_t rowsOffset = ReadU32(bytes, 10);
  if (rowsOffset < kFileHeaderSize) return {};
  return DecodeDib(bytes.subspan(kFileHeaderSize), rowsOffset - kFileHeaderSize, false);
}

}  // namespace image_formats
