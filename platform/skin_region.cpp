#include "platform/skin_region.h"

std::vector<PixelRect> SkinRuns(const Image& picture, Colour seeThrough) {
  std::vector<PixelRect> runs;
  if (picture.Empty()) return runs;
  const auto& px = picture.frames.front().bgra;
  const std::uint8_t r = seeThrough & 0xFF, g = (seeThrough >> 8) & 0xFF, b = (seeThrough >> 16) & 0xFF;
  auto isSeeThrough = [&](std::size_t i) { return px[i] == b && px[i + 1] == g && px[i + 2] == r; };
  for (int y = 0; y < picture.height; ++y) {
    int x = 0;
    while (x < picture.width) {
      std::size_t row = std::size_t(y) * std::size_t(picture.width);
      while (x < picture.width && isSeeThrough((row + std::size_t(x)) * 4)) ++x;
      if (x == picture.width) break;
      int start = x;
      while (x < picture.width && !isSeeThrough((row + std::size_t(x)) * 4)) ++x;
      runs.push_back({start, y, x, y + 1});
    }
  }
  return runs;
}
