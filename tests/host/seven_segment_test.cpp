#include <gtest/gtest.h>

#include <algorithm>

#include "platform/polygon_mask.h"
#include "platform/seven_segment.h"

namespace {

struct Bounds {
  double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
};

Bounds BoundsOf(const std::vector<Outline>& shapes) {
  Bounds b;
  for (const Outline& polygon : shapes) {
    for (const PointF& p : polygon) {
      b.left = std::min(b.left, p.x);
      b.right = std::max(b.right, p.x);
      b.top = std::min(b.top, p.y);
      b.bottom = std::max(b.bottom, p.y);
    }
  }
  return b;
}

}  // namespace

TEST(SevenSegment, EachCharacterLightsItsSegments) {
  struct Case {
    const char* text;
    std::size_t shapes;
  } cases[] = {{"8", 7}, {"1", 2}, {"7", 3}, {"0", 6}, {"4", 4}, {":", 2},
               {"-", 1}, {" ", 0}, {"12:59", 2 + 5 + 2 + 5 + 6}};
  for (const Case& c : cases) {
    EXPECT_EQ(SevenSegmentShapes(c.text, 112, 48, 56, TextAlign::Centre).size(), c.shapes)
        << c.text;
  }
}

TEST(SevenSegment, OnlyClockCharactersCanBeShown) {
  EXPECT_TRUE(SevenSegmentCanShow("11:11"));
  EXPECT_TRUE(SevenSegmentCanShow("-3.5 "));
  EXPECT_TRUE(SevenSegmentCanShow(""));
  EXPECT_FALSE(SevenSegmentCanShow("12a"));
  EXPECT_FALSE(SevenSegmentCanShow("数据空白"));
}

TEST(SevenSegment, TheRowIsCentredAndShrunkToFitTheBox) {
  // The big clock: "11:11" at a 56-pixel face in a 112 x 48 label.
  Bounds b = BoundsOf(SevenSegmentShapes("11:11", 112, 48, 56, TextAlign::Centre));
  EXPECT_GE(b.left, 0);
  EXPECT_LE(b.right, 112);
  EXPECT_GE(b.top, 0);
  EXPECT_LE(b.bottom, 48);
  EXPECT_NEAR(b.top, 48 - b.bottom, 0.01) << "centred vertically";
  EXPECT_GT(b.bottom - b.top, 30) << "still about as tall as the face's digits";

  // The seconds: small digits stay at the face's size, centred in the wider box.
  Bounds s = BoundsOf(SevenSegmentShapes("59", 48, 44, 20, TextAlign::Centre));
  EXPECT_NEAR(s.bottom - s.top, 20 * 0.72, 0.5);
  EXPECT_NEAR(s.left, 48 - s.right, 1.5);

  // Every digit has one width: "11" and "88" take the same room.
  Bounds ones = BoundsOf(SevenSegmentShapes("11", 200, 50, 40, TextAlign::Left));
  Bounds eights = BoundsOf(SevenSegmentShapes("88", 200, 50, 40, TextAlign::Left));
  EXPECT_NEAR(ones.right, eights.right, 0.01);
  EXPECT_GT(ones.left, eights.left) << "a 1 is lit on the right of its cell";

  Bounds right = BoundsOf(SevenSegmentShapes("88", 200, 50, 40, TextAlign::Right));
  EXPECT_LE(right.right, 200);
  EXPECT_GT(right.right, 199);
}

TEST(CoverageMask, CoversInsideEdgesPartlyAndOutsideNot) {
  // A square from (1, 1) to (3, 2.5): two full pixels, two half-covered ones below them.
  std::vector<Outline> square = {{{1, 1}, {3, 1}, {3, 2.5}, {1, 2.5}}};
  auto mask = CoverageMask(square, 4, 3);
  ASSERT_EQ(mask.size(), 12u);
  EXPECT_EQ(mask[1 * 4 + 1], 255);
  EXPECT_EQ(mask[1 * 4 + 2], 255);
  EXPECT_EQ(mask[2 * 4 + 1], 128);
  EXPECT_EQ(mask[0 * 4 + 0], 0);
  EXPECT_EQ(mask[1 * 4 + 3], 0);
  // Overlapping polygons cover a pixel once, not twice.
  std::vector<Outline> twice = {square[0], square[0]};
  EXPECT_EQ(CoverageMask(twice, 4, 3), mask);
  // Shapes partly outside the grid are clipped, and empty grids give nothing.
  std::vector<Outline> outside = {{{-5, -5}, {10, -5}, {10, 10}, {-5, 10}}};
  EXPECT_EQ(CoverageMask(outside, 2, 2), std::vector<std::uint8_t>(4, 255));
  EXPECT_TRUE(CoverageMask(square, 0, 3).empty());
}

TEST(CoverageMask, DigitsDrawnThroughTheMaskLookLikeDigits) {
  // An 8 lights far more pixels than a 1, and the pixels between the two loops of an 8
  // stay dark.
  auto eight = CoverageMask(SevenSegmentShapes("8", 20, 30, 40, TextAlign::Centre), 20, 30);
  auto one = CoverageMask(SevenSegmentShapes("1", 20, 30, 40, TextAlign::Centre), 20, 30);
  auto sum = [](const std::vector<std::uint8_t>& m) {
    long total = 0;
    for (auto v : m) total += v;
    return total;
  };
  EXPECT_GT(sum(eight), 2 * sum(one));
  EXPECT_EQ(eight[std::size_t(30 / 4) * 20 + 10], 0) << "inside the upper loop";
}
