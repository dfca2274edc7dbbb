#include <gtest/gtest.h>

#include "platform/picture_scaling.h"

namespace {

std::vector<std::uint8_t> Pixels(std::initializer_list<std::uint32_t> argb) {
  std::vector<std::uint8_t> bgra;
  for (std::uint32_t p : argb) {
    bgra.insert(bgra.end(), {std::uint8_t(p), std::uint8_t(p >> 8), std::uint8_t(p >> 16),
                             std::uint8_t(p >> 24)});
  }
  return bgra;
}

}  // namespace

TEST(ScaleForDrawing, ShrinkingAveragesTheCoveredArea) {
  // 4 x 1: two black and two white opaque pixels become one mid grey; to 2 x 1 they stay apart.
  auto row = Pixels({0xFF000000, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF});
  EXPECT_EQ(ScaleForDrawing(row, 4, 1, 1, 1).bgra, Pixels({0xFF808080}));
  EXPECT_EQ(ScaleForDrawing(row, 4, 1, 2, 1).bgra, Pixels({0xFF000000, 0xFFFFFFFF}));
  // 3 -> 2: the middle pixel is shared half and half.
  auto three = Pixels({0xFF000000, 0xFF606060, 0xFFC0C0C0});
  EXPECT_EQ(ScaleForDrawing(three, 3, 1, 2, 1).bgra, Pixels({0xFF202020, 0xFFA0A0A0}));
}

TEST(ScaleForDrawing, TransparentPixelsDoNotTintTheirNeighbours) {
  // A fully transparent red pixel beside opaque blue averages to half-covered pure blue,
  // premultiplied: no red creeps in at the edge of an icon.
  auto pair = Pixels({0x00FF0000, 0xFF0000FF});
  EXPECT_EQ(ScaleForDrawing(pair, 2, 1, 1, 1).bgra, Pixels({0x80000080}));
  // Premultiplied output even at the same size.
  EXPECT_EQ(ScaleForDrawing(Pixels({0x80FFFFFF}), 1, 1, 1, 1).bgra, Pixels({0x80808080}));
}

TEST(ScaleForDrawing, EnlargingAndStretchingKeepUniformPicturesUniform) {
  auto one = Pixels({0xFF336699});
  auto big = ScaleForDrawing(one, 1, 1, 3, 5);
  ASSERT_EQ(big.width, 3);
  ASSERT_EQ(big.height, 5);
  for (std::size_t p = 0; p < big.bgra.size(); p += 4) {
    EXPECT_EQ(std::vector<std::uint8_t>(big.bgra.begin() + p, big.bgra.begin() + p + 4),
              Pixels({0xFF336699}));
  }
  // Enlarging interpolates between neighbours and keeps the ends exact.
  auto ramp = ScaleForDrawing(Pixels({0xFF000000, 0xFFF0F0F0}), 2, 1, 4, 1).bgra;
  EXPECT_EQ(ramp, Pixels({0xFF000000, 0xFF3C3C3C, 0xFFB4B4B4, 0xFFF0F0F0}));
}

TEST(ScaleForDrawing, BadSizesGiveNoPixels) {
  auto one = Pixels({0xFF000000});
  EXPECT_TRUE(ScaleForDrawing(one, 1, 1, 0, 4).bgra.empty());
  EXPECT_TRUE(ScaleForDrawing(one, 2, 1, 1, 1).bgra.empty()) << "fewer bytes than the size says";
  EXPECT_TRUE(ScaleForDrawing({}, 0, 0, 4, 4).bgra.empty());
}
