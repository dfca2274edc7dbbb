#include "platform/polygon_mask.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSamplesPerAxis = 4;

// Even-odd crossing test; a point exactly on an edge counts on one side only, so two
// polygons sharing an edge never both claim a sample.
bool Inside(const Outline& polygon, double x, double y) {
  bool inside = false;
  for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const PointF& a = polygon[i];
    const PointF& b = polygon[j];
    if ((a.y > y) != (b.y > y)) {
      double crossX = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
      if (x < crossX) inside = !inside;
    }
  }
  return inside;
}

}  // namespace

std::vector<std::uint8_t> CoverageMask(const std::vector<Outline>& polygons, int width,
                                       int height) {
  if (width <= 0 || height <= 0) return {};
  // Samples counted per pixel; a sample covered by several polygons counts once because
  // each polygon marks its samples in a shared bit set.
  const int sampleW = width * kSamplesPerAxis;
  const int sampleH = height * kSamplesPerAxis;
  std::vector<std::uint8_t> covered(std::size_t(sampleW) * sampleH, 0);
  for (const Outline& polygon : polygons) {
    if (polygon.size() < 3) continue;
    double minX = polygon[0].x, maxX = minX, minY = polygon[0].y, maxY = minY;
    for (const PointF& p : polygon) {
      minX = std::min(minX, p.x);
      maxX = std::max(maxX, p.x);
      minY = std::min(minY, p.y);
      maxY = std::max(maxY, p.y);
    }
    // Only the samples inside the polygon's bounding box can be covered by it.
    int sx0 = std::max(0, int(std::floor(minX * kSamplesPerAxis)));
    int sx1 = std::min(sampleW - 1, int(std::ceil(maxX * kSamplesPerAxis)));
    int sy0 = std::max(0, int(std::floor(minY * kSamplesPerAxis)));
    int sy1 = std::min(sampleH - 1, int(std::ceil(maxY * kSamplesPerAxis)));
    for (int sy = sy0; sy <= sy1; ++sy) {
      double y = (sy + 0.5) / kSamplesPerAxis;
      for (int sx = sx0; sx <= sx1; ++sx) {
        double x = (sx + 0.5) / kSamplesPerAxis;
        if (Inside(polygon, x, y)) covered[std::size_t(sy) * sampleW + sx] = 1;
      }
    }
  }
  std::vector<std::uint8_t> mask(std::size_t(width) * height, 0);
  constexpr int kSamples = kSamplesPerAxis * kSamplesPerAxis;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      int count = 0;
      for (int dy = 0; dy < kSamplesPerAxis; ++dy) {
        const std::uint8_t* row =
            &covered[std::size_t(y * kSamplesPerAxis + dy) * sampleW + x * kSamplesPerAxis];
        for (int dx = 0; dx < kSamplesPerAxis; ++dx) count += row[dx];
      }
      mask[std::size_t(y) * width + x] = std::uint8_t((count * 255 + kSamples / 2) / kSamples);
    }
  }
  return mask;
}
