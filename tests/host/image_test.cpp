#include <gtest/gtest.h>
#include <png.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <random>
#include <string>

#include "platform/image.h"
#include "tests/support/gif_writer.h"

namespace {

struct Rgba {
  int r = 0, g = 0, b = 0, a = 0;
  bool operator==(const Rgba&) const = default;
};

void PrintTo(const Rgba& c, std::ostream* out) {
  *out << "rgba(" << c.r << ',' << c.g << ',' << c.b << ',' << c.a << ')';
}

constexpr Rgba kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255}, kBlue{0, 0, 255, 255},
    kClear{0, 0, 0, 0};

Rgba At(const Image& image, int x, int y, std::size_t frame = 0) {
  const std::uint8_t* p = image.frames.at(frame).bgra.data() + (y * image.width + x) * 4;
  return {p[2], p[1], p[0], p[3]};
}

// Every pixel of one frame, top row first.
std::vector<Rgba> Pixels(const Image& image, std::size_t frame = 0) {
  std::vector<Rgba> pixels;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) pixels.push_back(At(image, x, y, frame));
  return pixels;
}

// What every caller relies on: either empty, or a size and whole frames of that size.
bool WellFormed(const Image& image) {
  if (image.Empty()) return image.width == 0 && image.height == 0;
  if (image.width <= 0 || image.height <= 0) return false;
  for (const ImageFrame& frame : image.frames)
    if (frame.bgra.size() != std::size_t(image.width) * image.height * 4 || frame.delayMs < 0)
      return false;
  return true;
}

Bytes Fixture(const std::string& name) {
  std::ifstream file(std::string(VESKARA_SOURCE_DIR) + "/tests/fixtures/images/" + name,
                     std::ios::binary);
  EXPECT_TRUE(file) << name;
  return Bytes(std::istreambuf_iterator<char>(file), {});
}

const char* const kFixtures[] = {"alpha.png",  "alpha.ico",      "opaque.png",
                                 "opaque_24.bmp", "opaque_8.bmp", "halves.jpg",
                                 "halves_progressive.jpg", "grey.jpg"};

// Little-endian byte building for hand-made bitmaps and icons.
struct Writer {
  Bytes bytes;
  Writer& U8(std::uint32_t v) { bytes.push_back(std::uint8_t(v)); return *this; }
  Writer& U16(std::uint32_t v) { return U8(v).U8(v >> 8); }
  Writer& U32(std::uint32_t v) { return U16(v).U16(v >> 16); }
  Writer& Append(const Bytes& more) {
    bytes.insert(bytes.end(), more.begin(), more.end());
    return *this;
  }
};

struct Dib {
  int width = 1;
  int height = 1;  // negative: rows top-down
  int bitCount = 24;
  std::uint32_t compression = 0;
  std::uint32_t headerSize = 40;
  std::vector<std::uint32_t> masks;  // behind a 40-byte header, or inside a longer one
  std::vector<Rgba> palette;
  Bytes rows;  // as stored, padding included
};

// Header, masks, palette, rows; the icon's AND mask is appended by the caller.
Bytes DibBytes(const Dib& dib, int heightFactor = 1) {
  Writer w;
  w.U32(dib.headerSize).U32(dib.width).U32(dib.height * heightFactor).U16(1).U16(dib.bitCount);
  w.U32(dib.compression).U32(std::uint32_t(dib.rows.size())).U32(0).U32(0);
  w.U32(std::uint32_t(dib.palette.size())).U32(0);
  for (std::uint32_t m : dib.masks) w.U32(m);
  while (w.bytes.size() < dib.headerSize) w.U8(0);
  for (const Rgba& c : dib.palette) w.U8(c.b).U8(c.g).U8(c.r).U8(0);
  return w.Append(dib.rows).bytes;
}

Bytes BmpFile(const Dib& dib) {
  const Bytes body = DibBytes(dib);
  const std::size_t rowsOffset = 14 + body.size() - dib.rows.size();
  return Writer{}.U8('B').U8('M').U32(14 + body.size()).U32(0).U32(rowsOffset).Append(body).bytes;
}

struct IconEntry {
  int width, height, bitCount;
  Bytes data;
};

Bytes IcoFile(const std::vector<IconEntry>& entries) {
  Writer w;
  w.U16(0).U16(1).U16(std::uint32_t(entries.size()));
  std::uint32_t offset = 6 + 16 * std::uint32_t(entries.size());
  for (const IconEntry& e : entries) {
    w.U8(e.width).U8(e.height).U8(0).U8(0).U16(1).U16(e.bitCount);
    w.U32(std::uint32_t(e.data.size())).U32(offset);
    offset += std::uint32_t(e.data.size());
  }
  for (const IconEntry& e : entries) w.Append(e.data);
  return w.bytes;
}

using gif_writer::Frame;

const std::vector<GifColorType> kGifColours = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};

Bytes MakeGif(int width, int height, const std::vector<Frame>& frames) {
  Bytes gif = gif_writer::Write(width, height, kGifColours, frames);
  EXPECT_FALSE(gif.empty()) << "giflib refused to write the test's GIF";
  return gif;
}

// Four frames on a 4 x 2 screen exercising delays, transparency, a local colour map and
// disposal modes 1, 2 and 3 (see the expected canvases in the test).
Bytes ComposedAnimation() {
  return MakeGif(4, 2,
                 {{0, 0, 4, 2, {1, 1, 1, 1, 1, 1, 1, 1}, DISPOSE_DO_NOT, 2},
                  {1, 0, 2, 1, {2, 0}, DISPOSE_BACKGROUND, 3, 0},
                  {3, 1, 1, 1, {0}, DISPOSE_PREVIOUS, 0, NO_TRANSPARENT_COLOR,
                   {{0, 0, 255}, {9, 9, 9}}},
                  {0, 1, 1, 1, {2}, DISPOSAL_UNSPECIFIED, 1}});
}

}  // namespace

TEST(DecodeImage, PngKeepsExactStraightAlphaPixels) {
  const Image image = DecodeImage(Fixture("alpha.png"));
  ASSERT_EQ(image.width, 4);
  ASSERT_EQ(image.height, 3);
  ASSERT_EQ(image.frames.size(), 1u);
  EXPECT_EQ(image.frames[0].delayMs, 0);
  // The file carries a gAMA chunk: the values must still come out as stored.
  const std::vector<Rgba> expected = {
      kRed, kGreen, kBlue, {255, 255, 255, 255},
      {0, 0, 0, 255}, {128, 128, 128, 255}, {255, 255, 0, 255}, {10, 20, 30, 255},
      {255, 128, 0, 128}, kClear, {1, 2, 3, 255}, {255, 0, 255, 255}};
  EXPECT_EQ(Pixels(image), expected);
}

// The same pictures written by another encoder into other formats decode to the same pixels.
TEST(DecodeImage, BmpAndIcoFilesMatchTheirPng) {
  const std::pair<const char*, const char*> cases[] = {
      {"opaque_24.bmp", "opaque.png"},  // 24 bits, bottom-up, padded rows
      {"opaque_8.bmp", "opaque.png"},   // 8-bit palette
      {"alpha.ico", "alpha.png"},       // 32-bit bitmap entry: its alpha, not its AND mask
  };
  for (const auto& [file, png] : cases) {
    const Image image = DecodeImage(Fixture(file));
    const Image reference = DecodeImage(Fixture(png));
    ASSERT_FALSE(reference.Empty()) << png;
    ASSERT_EQ(image.width, reference.width) << file;
    ASSERT_EQ(image.height, reference.height) << file;
    EXPECT_EQ(Pixels(image), Pixels(reference)) << file;
  }
  // Pixel 7 of the opaque picture, as its generator wrote it.
  EXPECT_EQ(At(DecodeImage(Fixture("opaque.png")), 2, 1), (Rgba{91, 178, 52, 255}));
}

TEST(DecodeImage, HandMadeBitmaps) {
  const Rgba dark{10, 20, 30, 255}, light{200, 100, 50, 255}, black{0, 0, 0, 255};
  struct Case {
    const char* what;
    Dib dib;
    std::vector<Rgba> expected;  // top row first
  };
  const Case cases[] = {
      {"1 bit, bottom-up, most significant bit first",
       {3, 2, 1, 0, 40, {}, {dark, light}, {0b10100000, 0, 0, 0, 0b01000000, 0, 0, 0}},
       {dark, light, dark, light, dark, light}},
      {"4 bits, an index past the palette shows black",
       {3, 1, 4, 0, 40, {}, {dark, light}, {0x01, 0x50, 0, 0}},
       {dark, light, black}},
      {"16 bits 5-5-5",
       {2, 1, 16, 0, 40, {}, {}, {0x00, 0x7C, 0xFF, 0x03}},
       {kRed, {0, 255, 255, 255}}},
      {"16 bits 5-6-5 masks behind the header",
       {2, 1, 16, 3, 40, {0xF800, 0x07E0, 0x001F}, {}, {0x00, 0xF8, 0xE0, 0x07}},
       {kRed, kGreen}},
      {"32 bits with the reserved byte zero everywhere is opaque",
       {1, 1, 32, 0, 40, {}, {}, {30, 20, 10, 0}},
       {dark}},
      {"32 bits, masks and alpha inside a long header, top-down",
       {1, -2, 32, 3, 108, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}, {},
        {0x10, 0x20, 0x30, 0x80, 0, 0, 0, 0}},
       {{0x10, 0x20, 0x30, 0x80}, kClear}},
  };
  for (const Case& c : cases) {
    const Image image = DecodeImage(BmpFile(c.dib));
    ASSERT_TRUE(WellFormed(image)) << c.what;
    ASSERT_FALSE(image.Empty()) << c.what;
    EXPECT_EQ(image.width, c.dib.width) << c.what;
    EXPECT_EQ(image.height, std::abs(c.dib.height)) << c.what;
    EXPECT_EQ(Pixels(image), c.expected) << c.what;
  }
}

TEST(DecodeImage, IconBitmapUsesItsAndMaskWhenAlphaIsAbsent) {
  const Rgba dark{10, 20, 30, 255}, light{200, 100, 50, 255};
  // 2 x 2, rows bottom-up; the mask's second row (the top one) hides its right pixel.
  const Bytes mask = {0x00, 0, 0, 0, 0x40, 0, 0, 0};
  const Dib bgr = {2, 2, 24, 0, 40, {}, {}, {30, 20, 10, 50, 100, 200, 0, 0,  // bottom
                                             50, 100, 200, 30, 20, 10, 0, 0}};
  const Dib bgrx = {2, 2, 32, 0, 40, {}, {}, {30, 20, 10, 0, 50, 100, 200, 0,
                                              50, 100, 200, 0, 30, 20, 10, 0}};
  for (const Dib& dib : {bgr, bgrx}) {
    Bytes data = DibBytes(dib, 2);
    data.insert(data.end(), mask.begin(), mask.end());
    const Image image = DecodeImage(IcoFile({{2, 2, dib.bitCount, data}}));
    EXPECT_EQ(Pixels(image), (std::vector<Rgba>{light, kClear, dark, light})) << dib.bitCount;
  }
}

TEST(DecodeImage, IconChoosesItsLargestEntry) {
  const Bytes png = Fixture("alpha.png");
  const Dib small = {2, 2, 24, 0, 40, {}, {}, Bytes(16, 0x7F)};
  Bytes smallData = DibBytes(small, 2);
  smallData.resize(smallData.size() + 8, 0);
  const IconEntry pngEntry{4, 3, 32, png}, dibEntry{2, 2, 32, smallData};
  const Image reference = DecodeImage(png);
  for (const auto& entries : {std::vector{dibEntry, pngEntry}, std::vector{pngEntry, dibEntry}}) {
    const Image image = DecodeImage(IcoFile(entries));
    ASSERT_EQ(image.width, 4);
    EXPECT_EQ(Pixels(image), Pixels(reference));
  }
  // A directory width of 0 means 256, the largest there is.
  const Image big = DecodeImage(IcoFile({{4, 3, 32, png}, {0, 0, 32, smallData}}));
  EXPECT_EQ(big.width, 2);
}

TEST(DecodeImage, JpegIsCloseToWhatWasEncoded) {
  struct Case {
    const char* file;
    int width, height;
    std::vector<std::array<int, 5>> samples;  // x, y, r, g, b
  };
  const Case cases[] = {
      {"halves.jpg", 16, 16, {{2, 8, 200, 30, 40}, {13, 8, 30, 60, 200}}},
      {"halves_progressive.jpg", 16, 16, {{2, 8, 200, 30, 40}, {13, 8, 30, 60, 200}}},
      {"grey.jpg", 8, 8, {{0, 0, 100, 100, 100}, {7, 7, 100, 100, 100}}},
  };
  for (const Case& c : cases) {
    const Image image = DecodeImage(Fixture(c.file));
    ASSERT_EQ(image.width, c.width) << c.file;
    ASSERT_EQ(image.height, c.height) << c.file;
    for (const auto& [x, y, r, g, b] : c.samples) {
      const Rgba got = At(image, x, y);
      EXPECT_NEAR(got.r, r, 6) << c.file << " at " << x << ',' << y;
      EXPECT_NEAR(got.g, g, 6) << c.file << " at " << x << ',' << y;
      EXPECT_NEAR(got.b, b, 6) << c.file << " at " << x << ',' << y;
      EXPECT_EQ(got.a, 255) << c.file;
    }
  }
}

TEST(DecodeImage, GifFramesAreComposedWithTheirDelays) {
  const Image image = DecodeImage(ComposedAnimation());
  ASSERT_EQ(image.width, 4);
  ASSERT_EQ(image.height, 2);
  ASSERT_EQ(image.frames.size(), 4u);
  const Rgba R = kRed, G = kGreen, B = kBlue, T = kClear;
  const std::vector<Rgba> expected[] = {
      {R, R, R, R, R, R, R, R},
      {R, G, R, R, R, R, R, R},  // index 0 is transparent: (2,0) keeps red
      {R, T, T, R, R, R, R, B},  // frame 2 cleared; local colour map gives blue
      {R, T, T, R, G, R, R, R},  // frame 3 undone, back to the canvas before it
  };
  const int delays[] = {20, 30, 100, 100};  // 0 and 1 hundredths become 100 ms
  for (std::size_t f = 0; f < 4; ++f) {
    EXPECT_EQ(Pixels(image, f), expected[f]) << "frame " << f;
    EXPECT_EQ(image.frames[f].delayMs, delays[f]) << "frame " << f;
  }
}

TEST(DecodeImage, GifStillInterlacedAndOutsideTheScreen) {
  // Interlaced rows come back in picture order; a single frame is a still picture.
  std::vector<GifPixelType> stripes;
  for (int y = 0; y < 10; ++y) stripes.push_back(GifPixelType(y % 3 + 1));
  const Frame frame{0, 0, 1, 10, stripes, DISPOSAL_UNSPECIFIED, 5, NO_TRANSPARENT_COLOR, {}, true};
  const Image interlaced = DecodeImage(MakeGif(1, 10, {frame}));
  ASSERT_EQ(interlaced.frames.size(), 1u);
  EXPECT_EQ(interlaced.frames[0].delayMs, 0);
  const Rgba order[] = {kRed, kGreen, kBlue};
  for (int y = 0; y < 10; ++y) EXPECT_EQ(At(interlaced, 0, y), order[y % 3]) << "row " << y;

  // A first frame larger than the declared screen grows the canvas; later frames are
  // cut at the canvas's edge.
  const Image grown = DecodeImage(
      MakeGif(1, 1, {{0, 0, 2, 2, {1, 1, 1, 1}}, {1, 1, 3, 3, {3, 3, 3, 3, 3, 3, 3, 3, 3}}}));
  ASSERT_EQ(grown.width, 2);
  ASSERT_EQ(grown.height, 2);
  EXPECT_EQ(Pixels(grown, 1), (std::vector<Rgba>{kRed, kRed, kRed, kBlue}));
}

TEST(DecodeImage, GifWithoutTrailerKeepsItsFramesButACutFrameFails) {
  Bytes gif = ComposedAnimation();
  ASSERT_EQ(gif.back(), 0x3B);
  gif.pop_back();
  const Image noTrailer = DecodeImage(gif);
  EXPECT_EQ(noTrailer.frames.size(), 4u);
  EXPECT_EQ(Pixels(noTrailer, 3), Pixels(DecodeImage(ComposedAnimation()), 3));

  gif.resize(gif.size() - 3);  // inside the last frame's pixel data
  EXPECT_TRUE(DecodeImage(gif).Empty());
}

// Sizes from the bytes are checked before anything is allocated for them.
TEST(DecodeImage, AbsurdSizesAreRefused) {
  auto oneBitBmp = [](int width, int height) {
    const int stride = (width + 31) / 32 * 4;
    return BmpFile({width, height, 1, 0, 40, {}, {kRed, kBlue},
                    Bytes(std::size_t(stride) * height, 0xFF)});
  };
  EXPECT_EQ(DecodeImage(oneBitBmp(16384, 1)).width, 16384);
  EXPECT_TRUE(DecodeImage(oneBitBmp(16385, 1)).Empty());
  EXPECT_TRUE(DecodeImage(oneBitBmp(16384, 1025)).Empty()) << "over 16 Mi pixels";

  auto greyPng = [](int width) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = width;
    image.height = 1;
    image.format = PNG_FORMAT_GRAY;
    const Bytes row(width, 0x80);
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, row.data(), 0, nullptr);
    Bytes png(size);
    EXPECT_TRUE(png_image_write_to_memory(&image, png.data(), &size, 0, row.data(), 0, nullptr));
    return png;
  };
  EXPECT_EQ(DecodeImage(greyPng(16384)).width, 16384);
  EXPECT_TRUE(DecodeImage(greyPng(16385)).Empty());

  EXPECT_TRUE(DecodeImage(MakeGif(16385, 1, {{0, 0, 1, 1, {1}}})).Empty());
  Frame tiny{0, 0, 1, 1, {1}, DISPOSAL_UNSPECIFIED, 2};
  EXPECT_EQ(DecodeImage(MakeGif(1, 1, std::vector(4096, tiny))).frames.size(), 4096u);
  EXPECT_TRUE(DecodeImage(MakeGif(1, 1, std::vector(4097, tiny))).Empty());
}

TEST(DecodeImage, BrokenBytesGiveAnEmptyImage) {
  std::vector<std::pair<std::string, Bytes>> inputs;
  for (const char* name : kFixtures) inputs.emplace_back(name, Fixture(name));
  inputs.emplace_back("animation.gif", ComposedAnimation());
  for (const auto& [name, bytes] : inputs) {
    ASSERT_FALSE(DecodeImage(bytes).Empty()) << name;
    const Bytes half(bytes.begin(), bytes.begin() + bytes.size() / 2);
    EXPECT_TRUE(DecodeImage(half).Empty()) << name << " cut in half";
    const Bytes shortEnd(bytes.begin(), bytes.end() - 20);
    EXPECT_TRUE(DecodeImage(shortEnd).Empty()) << name << " without its last 20 bytes";
    const Bytes signature(bytes.begin(), bytes.begin() + 8);
    EXPECT_TRUE(DecodeImage(signature).Empty()) << name << " signature only";
  }

  EXPECT_TRUE(DecodeImage({}).Empty());
  std::mt19937 random(7);
  for (const Bytes& magic : {Bytes{}, Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A},
                             Bytes{0xFF, 0xD8, 0xFF}, Bytes{'G', 'I', 'F', '8', '9', 'a'},
                             Bytes{'B', 'M'}, Bytes{0, 0, 1, 0}}) {
    for (int round = 0; round < 20; ++round) {
      Bytes garbage = magic;
      for (int i = 0; i < 300; ++i) garbage.push_back(std::uint8_t(random()));
      EXPECT_TRUE(WellFormed(DecodeImage(garbage)));
    }
  }
}

// Every single-byte change of every fixture decodes to something whole or to nothing.
TEST(DecodeImage, DamagedBytesNeverGiveAHalfImage) {
  std::vector<Bytes> inputs = {ComposedAnimation()};
  for (const char* name : kFixtures) inputs.push_back(Fixture(name));
  for (const Bytes& original : inputs) {
    for (std::size_t i = 0; i < original.size(); ++i) {
      const std::uint8_t values[] = {0x00, 0xFF, std::uint8_t(original[i] ^ 0x10)};
      for (std::uint8_t value : values) {
        Bytes damaged = original;
        damaged[i] = value;
        ASSERT_TRUE(WellFormed(DecodeImage(damaged))) << "byte " << i << " := " << int(value);
      }
    }
  }
}
