// The committed pictures carry facts the window depends on: the skin's non-white pixels
// become the window's shape, the background must line up with it, and the animation's
// timing and looping come from the file itself.
#include <gif_lib.h>
#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string AssetPath(const char* name) {
  return std::string(VESKARA_SOURCE_DIR "/assets/") + name;
}

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};
void PrintTo(const Rgb& c, std::ostream* os) {
  *os << "(" << c.r << "," << c.g << "," << c.b << ")";
}

const Rgb kWhite{255, 255, 255}, kDisc{223, 230, 240}, kRing{68, 68, 68};

struct Still {
  png_uint_32 storedFormat = 0;  // the file's own layout, before any conversion
  int width = 0, height = 0;
  std::vector<png_byte> rgba;
  Rgb At(int x, int y) const {
    const png_byte* p = &rgba[(std::size_t(y) * width + x) * 4];
    return {p[0], p[1], p[2]};
  }
  int Alpha(int x, int y) const { return rgba[(std::size_t(y) * width + x) * 4 + 3]; }
};

Still ReadPng(const char* name) {
  Still still;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, AssetPath(name).c_str())) {
    ADD_FAILURE() << name << ": " << image.message;
    return still;
  }
  still.storedFormat = image.format;
  still.width = int(image.width);
  still.height = int(image.height);
  image.format = PNG_FORMAT_RGBA;
  still.rgba.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, still.rgba.data(), 0, nullptr)) {
    ADD_FAILURE() << name << ": " << image.message;
    still.rgba.clear();
  }
  return still;
}

TEST(Artwork, StillPicturesAreOpaque340SquareRgba) {
  for (const char* name : {"skin.png", "background.png"}) {
    SCOPED_TRACE(name);
    const Still still = ReadPng(name);
    ASSERT_FALSE(still.rgba.empty());
    EXPECT_EQ(still.storedFormat, png_uint_32(PNG_FORMAT_RGBA)) << "8-bit RGBA, no palette";
    EXPECT_EQ(still.width, 340);
    EXPECT_EQ(still.height, 340);
    int translucent = 0;
    for (int y = 0; y < still.height; ++y)
      for (int x = 0; x < still.width; ++x) translucent += still.Alpha(x, y) != 255;
    EXPECT_EQ(translucent, 0);
  }
}

// The window keeps every pixel that is not exactly white, so the disc must be one solid
// piece with exactly the intended extent, and no blended rim may leave pale pixels in it.
TEST(Artwork, SkinIsOneSolidDiscOfTheIntendedExtent) {
  const Still skin = ReadPng("skin.png");
  ASSERT_EQ(skin.rgba.size(), 340u * 340 * 4);
  int left = 340, right = -1, top = 340, bottom = -1, paleOrStray = 0, rowsWithGaps = 0;
  for (int y = 0; y < 340; ++y) {
    int runs = 0;
    for (int x = 0; x < 340; ++x) {
      const Rgb c = skin.At(x, y);
      if (c == kWhite) continue;
      runs += x == 0 || skin.At(x - 1, y) == kWhite;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
      // Between the ring and the face, channel by channel: nothing paler than the face.
      paleOrStray += c.r < kRing.r || c.r > kDisc.r || c.g < kRing.g || c.g > kDisc.g ||
                     c.b < kRing.b || c.b > kDisc.b;
    }
    rowsWithGaps += runs > 1;
  }
  EXPECT_EQ(left, 13);
  EXPECT_EQ(right, 331);
  EXPECT_EQ(top, 16);
  EXPECT_EQ(bottom, 334);
  EXPECT_EQ(paleOrStray, 0);
  EXPECT_EQ(rowsWithGaps, 0);

  EXPECT_EQ(skin.At(172, 175), kDisc);
  EXPECT_EQ(skin.At(172, 175 - 100), kDisc);
  for (auto [x, y] :
       {std::pair{172, 175 - 147}, {172 + 147, 175}, {172, 175 + 150}, {172 - 155, 175}})
    EXPECT_EQ(skin.At(x, y), kRing) << x << "," << y;
  for (auto [x, y] : {std::pair{0, 0}, {339, 0}, {0, 339}, {339, 339}, {12, 175}, {332, 175}})
    EXPECT_EQ(skin.At(x, y), kWhite) << x << "," << y;
}

TEST(Artwork, BackgroundIsTheSameDiscWithItsDividers) {
  const Still skin = ReadPng("skin.png");
  const Still background = ReadPng("background.png");
  ASSERT_EQ(background.rgba.size(), 340u * 340 * 4);
  ASSERT_EQ(skin.rgba.size(), background.rgba.size());

  // Across the middle, where nothing is drawn, it is the skin's disc pixel for pixel.
  for (int x = 13; x <= 331; ++x) ASSERT_EQ(background.At(x, 175), skin.At(x, 175)) << x;
  // The window shows it slightly shrunk and offset by its frame, so what lies outside the
  // disc can peek through at the edge of the cut: it must be the ring's colour, not white.
  EXPECT_EQ(background.At(0, 0), kRing);
  EXPECT_EQ(background.At(12, 175), kRing);

  auto isDark = [](Rgb c) { return c.r < 60 && c.g < 60 && c.b < 60; };
  // The guide lines: paler than the dividers, darker than the face.
  auto isGrey = [](Rgb c) { return c.r > 100 && c.r < 200 && c.g < 210 && c.b < 220; };
  struct Mark {
    int x, y;
    bool dark;
  };
  for (Mark m : {Mark{172, 94, true}, {80, 94, true}, {172, 256, true}, {260, 256, true},
                 {146, 50, true}, {146, 90, true}, {214, 260, true}, {214, 284, true},
                 {172, 93, false}, {172, 97, false}, {150, 70, false}, {214, 290, false}}) {
    EXPECT_EQ(isDark(background.At(m.x, m.y)), m.dark) << m.x << "," << m.y;
    if (!m.dark) {
      EXPECT_EQ(background.At(m.x, m.y), kDisc) << m.x << "," << m.y;
    }
  }
  for (auto [x, y] : {std::pair{138, 157}, {211, 157}, {130, 283}, {140, 304}, {210, 304}})
    EXPECT_TRUE(isGrey(background.At(x, y))) << x << "," << y;

  int iconInk = 0;
  for (int y = 52; y <= 74; ++y)
    for (int x = 95; x <= 135; ++x) iconInk += background.At(x, y) == kRing;
  EXPECT_GT(iconInk, 40) << "the emblem above the load figure";
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

TEST(Artwork, AnimationLoopsForeverWithItsFrameTimes) {
  const std::string path = AssetPath("animation.gif");
  char signature[6] = {};
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  ASSERT_TRUE(file);
  ASSERT_EQ(std::fread(signature, 1, 6, file.get()), 6u);
  EXPECT_EQ(std::string(signature, 6), "GIF89a");

  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpenFileName(path.c_str(), &error));
  ASSERT_TRUE(gif) << GifErrorString(error);
  ASSERT_EQ(DGifSlurp(gif.get()), GIF_OK) << GifErrorString(gif->Error);
  EXPECT_EQ(gif->SWidth, 534);
  EXPECT_EQ(gif->SHeight, 598);
  ASSERT_EQ(gif->ImageCount, 71);

  int delays20 = 0, delays30 = 0;
  for (int i = 0; i < gif->ImageCount; ++i) {
    GraphicsControlBlock control{};
    ASSERT_EQ(DGifSavedExtensionToGCB(gif.get(), i, &control), GIF_OK) << i;
    delays20 += control.DelayTime == 2;
    delays30 += control.DelayTime == 3;
  }
  EXPECT_EQ(delays20, 46);
  EXPECT_EQ(delays30, 25);

  // The application block "NETSCAPE2.0" and its sub-block 1 with loop count 0 (forever).
  const SavedImage& first = gif->SavedImages[0];
  bool loopsForever = false;
  for (int i = 0; i + 1 < first.ExtensionBlockCount; ++i) {
    const ExtensionBlock& name = first.ExtensionBlocks[i];
    const ExtensionBlock& data = first.ExtensionBlocks[i + 1];
    loopsForever |= name.Function == APPLICATION_EXT_FUNC_CODE && name.ByteCount == 11 &&
                    std::memcmp(name.Bytes, "NETSCAPE2.0", 11) == 0 && data.ByteCount == 3 &&
                    data.Bytes[0] == 1 && data.Bytes[1] == 0 && data.Bytes[2] == 0;
  }
  EXPECT_TRUE(loopsForever);

  // It sits on the disc, so its ground is the disc's colour; and it moves.
  const ColorMapObject* map =
      first.ImageDesc.ColorMap ? first.ImageDesc.ColorMap : gif->SColorMap;
  const GifColorType ground = map->Colors[first.RasterBits[0]];
  EXPECT_EQ((Rgb{ground.Red, ground.Green, ground.Blue}), kDisc);
  const std::size_t pixels = std::size_t(534) * 598;
  EXPECT_NE(std::memcmp(first.RasterBits, gif->SavedImages[35].RasterBits, pixels), 0);
}

}  // namespace
