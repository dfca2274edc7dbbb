// Anti-aliased coverage of a pixel grid by polygons, for shapes the toolkit draws itself
// (the clock's segment digits) rather than through a font.
#pragma once

#include <cstdint>
#include <vector>

struct PointF {
  double x = 0, y = 0;
};
using Outline = std::vector<PointF>;

// Coverage (0 = none, 255 = full) of every pixel of a width × height grid, top row first,
// by the union of `polygons` (simple polygons in pixel coordinates; a pixel spans
// [x, x+1) × [y, y+1)). Each pixel is sampled on a 4 × 4 grid. Non-positive sizes give an
// empty mask.
std::vector<std::uint8_t> CoverageMask(const std::vector<Outline>& polygons, int width,
                                       int height);
