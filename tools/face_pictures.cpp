#include "tools/face_pictures.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "tools/palette.h"

namespace {

constexpr Rgb kInk{0, 0, 0};
constexpr Rgb kFaintGrey{176, 182, 192};
constexpr Rgb kGrey{128, 134, 144};
constexpr double kPi = std::numbers::pi;

Rgb Mix(Rgb from, Rgb to, double amount) {
  auto channel = [amount](int a, int b) {
    return std::uint8_t(std::lround(a + (b - a) * std::clamp(amount, 0.0, 1.0)));
  };
  return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

constexpr int kSide = 340;
constexpr double kCentreX = 172, kCentreY = 175;
// Pixel centres at most 159 px from the centre are the disc: columns 13..331, rows
// 16..334. Its rim is hard, since the window's shape takes every pixel that is not
// exactly white and a blended rim pixel would be a pale speck outside the ring.
constexpr double kOuterRadius = 159.5;
constexpr double kInnerRadius = 135.0;  // where the light face meets the dark ring

double FromCentre(double x, double y) { return std::hypot(x - kCentreX, y - kCentreY); }

// How much of pixel (x, y) lies on the light face: 1 inside, 0 on the ring, blended over
// one pixel at the boundary so the circle looks smooth.
double FaceCoverage(int x, int y) {
  return std::clamp(kInnerRadius + 0.5 - FromCentre(x, y), 0.0, 1.0);
}

// The face ringed in dark; `outside` fills the corners.
Picture DrawDisc(Rgb outside) {
  Picture picture(kSide, kSide, outside);
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x)
      if (FromCentre(x, y) <= kOuterRadius)
        picture.At(x, y) = Mix(kRingColour, kDiscColour, FaceCoverage(x, y));
  return picture;
}

// Decoration lies on the light face only; where it runs into the ring it fades into it.
void Paint(Picture& picture, int x, int y, Rgb colour, double amount = 1.0) {
  Rgb& pixel = picture.At(x, y);
  pixel = Mix(pixel, colour, amount * FaceCoverage(x, y));
}

void HorizontalLine(Picture& picture, int y, int x1, int x2, Rgb colour) {
  for (int x = x1; x <= x2; ++x) Paint(picture, x, y, colour);
}

void VerticalLine(Picture& picture, int x, int y1, int y2, Rgb colour) {
  for (int y = y1; y <= y2; ++y) Paint(picture, x, y, colour);
}

// Paints a small shape given as "is this point inside", smoothed by 4 x 4 samples a pixel.
void PaintShape(Picture& picture, int x1, int y1, int x2, int y2, Rgb colour,
                const std::function<bool(double, double)>& inside) {
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x) {
      int hits = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) hits += inside(x + (sx - 1.5) / 4, y + (sy - 1.5) / 4);
      if (hits) Paint(picture, x, y, colour, hits / 16.0);
    }
}

double DistanceToSegment(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax, dy = by - ay;
  const double t = std::clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// The load figure's emblem above it: a gauge, its arc open at the bottom, three ticks and
// the needle leaning to the right. The arc follows the curve of the ring beside it.
void DrawGauge(Picture& picture) {
  constexpr double cx = 115, cy = 70, radius = 14, stroke = 1.3;
  const double needleX = cx + 10 * std::cos(-kPi / 4);
  const double needleY = cy + 10 * std::sin(-kPi / 4);
  PaintShape(picture, 95, 50, 135, 76, kRingColour, [&](double x, double y) {
    const double r = std::hypot(x - cx, y - cy);
    const bool arc = y <= cy + 0.5 && std::abs(r - radius) <= stroke;
    bool tick = false;
    for (double angle : {-kPi, -kPi / 2, 0.0}) {
      const double ux = std::cos(angle), uy = std::sin(angle);
      tick |= DistanceToSegment(x, y, cx + ux * (radius - 5), cy + uy * (radius - 5),
                                cx + ux * (radius - 1), cy + uy * (radius - 1)) <= 1.0;
    }
    const bool needle = DistanceToSegment(x, y, cx, cy, needleX, needleY) <= 1.1;
    const bool hub = r <= 2.6;
    return arc || tick || needle || hub;
  });
}

}  // namespace

Picture DrawSkin() { return DrawDisc(kSeeThrough); }

Picture DrawBackground() {
  // The window draws this picture shrunk a little (340 to 334) and offset by its frame, so
  // it does not line up exactly with the skin's cut; dark corners keep that seam in the
  // ring's colour instead of showing a white sliver at the window's edge.
  Picture picture = DrawDisc(kRingColour);
  // Dividers between the face's three bands (readings above, clock in the middle, indices
  // and readings below) and short ones between the readings within a band.
  HorizontalLine(picture, 94, 0, kSide - 1, kInk);
  HorizontalLine(picture, 256, 0, kSide - 1, kInk);
  VerticalLine(picture, 146, 0, 93, kInk);
  VerticalLine(picture, 214, 257, 284, kInk);
  DrawGauge(picture);
  // Guide lines under the clock and around the memory reading.
  HorizontalLine(picture, 157, 138, 211, kFaintGrey);
  VerticalLine(picture, 130, 282, 304, kGrey);
  HorizontalLine(picture, 304, 131, 210, kGrey);
  return picture;
}
