#include <gtest/gtest.h>

#include "platform/background_fit.h"
#include "platform/skin_region.h"

namespace {

// A picture from rows of characters: '.' is white, anything else a dark pixel.
Image PictureOf(const std::vector<std::string>& rows) {
  Image image;
  image.height = int(rows.size());
  image.width = int(rows[0].size());
  ImageFrame frame;
  for (const auto& row : rows)
    for (char c : row) {
      std::uint8_t v = c == '.' ? 0xFF : 0x44;
      frame.bgra.insert(frame.bgra.end(), {v, v, v, 0xFF});
    }
  image.frames.push_back(frame);
  return image;
}

}  // namespace

TEST(SkinRuns, OneRectanglePerRunOfEveryRow) {
  Image picture = PictureOf({
      "..##..",
      ".#..##",
      "......",
      "######",
  });
  std::vector<PixelRect> expected = {
      {2, 0, 4, 1}, {1, 1, 2, 2}, {4, 1, 6, 2}, {0, 3, 6, 4},
  };
  EXPECT_EQ(SkinRuns(picture, 0xFFFFFF), expected);
}

TEST(SkinRuns, ComparisonIsExactOnRgbAndIgnoresAlpha) {
  Image picture = PictureOf({"...."});
  auto& px = picture.frames[0].bgra;
  px[4 * 1 + 0] = 0xFE;  // pixel 1: B off by one -> part of the shape
  px[4 * 2 + 3] = 0x00;  // pixel 2: white but transparent -> still see-through
  EXPECT_EQ(SkinRuns(picture, 0xFFFFFF), (std::vector<PixelRect>{{1, 0, 2, 1}}));
  // The colour value is 0x00BBGGRR: a pure red see-through colour matches R=FF, G=B=0.
  Image red = PictureOf({"."});
  red.frames[0].bgra = {0x00, 0x00, 0xFF, 0xFF};
  EXPECT_TRUE(SkinRuns(red, 0x0000FF).empty());
  EXPECT_TRUE(SkinRuns(Image{}, 0xFFFFFF).empty());
}

TEST(FitBackground, CentresAndShrinksOnlyWhenLarger) {
  struct Case { int cw, ch, pw, ph; PixelRect expected; };
  const Case cases[] = {
      {334, 335, 340, 340, {0, 0, 334, 334}},    // the window with a 3-pixel frame
      {400, 400, 340, 340, {30, 30, 370, 370}},  // larger client: centred, not enlarged
      {340, 340, 340, 340, {0, 0, 340, 340}},
      {100, 340, 340, 340, {0, 120, 100, 220}},
      {334, 335, 0, 0, {0, 0, 0, 0}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FitBackground(c.cw, c.ch, c.pw, c.ph), c.expected) << c.cw << "x" << c.ch;
}
