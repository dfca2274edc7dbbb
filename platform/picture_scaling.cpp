#include "platform/picture_scaling.h"

#include <algorithm>
#include <cmath>

namespace {

// The source pixels one destination pixel draws from along one axis, with their weights
// (summing to 1).
struct Taps {
  int first = 0;
  std::vector<float> weights;
};

std::vector<Taps> AxisTaps(int from, int to) {
  std::vector<Taps> taps(static_cast<std::size_t>(to));
  const double scale = double(from) / to;
  for (int i = 0; i < to; ++i) {
    Taps& t = taps[std::size_t(i)];
    if (scale >= 1) {
      // Area average: the destination pixel covers [a, b) of the source.
      const double a = i * scale, b = (i + 1) * scale;
      t.first = int(std::floor(a));
      const int last = std::min(from - 1, int(std::ceil(b)) - 1);
      for (int j = t.first; j <= last; ++j) {
        double overlap = std::min(b, j + 1.0) - std::max(a, double(j));
        t.weights.push_back(float(std::max(0.0, overlap) / scale));
      }
    } else {
      // Linear interpolation between the two source pixels around the centre.
      const double centre = (i + 0.5) * scale - 0.5;
      const int j = int(std::floor(centre));
      const double f = centre - j;
      const int j0 = std::clamp(j, 0, from - 1), j1 = std::clamp(j + 1, 0, from - 1);
      t.first = j0;
      if (j1 == j0) {
        t.weights = {1.0f};
      } else {
        t.weights = {float(1 - f), float(f)};
      }
    }
  }
  return taps;
}

}  // namespace

PremultipliedPixels ScaleForDrawing(const std::vector<std::uint8_t>& bgra, int width, int height,
                                    int newWidth, int newHeight) {
  if (width <= 0 || height <= 0 || newWidth <= 0 || newHeight <= 0 ||
      bgra.size() != std::size_t(width) * height * 4) {
    return {};
  }
  // Premultiply once, in floating point, so the filter passes lose nothing.
  std::vector<float> source(bgra.size());
  for (std::size_t p = 0; p < bgra.size(); p += 4) {
    const float alpha = bgra[p + 3] / 255.0f;
    source[p] = bgra[p] * alpha;
    source[p + 1] = bgra[p + 1] * alpha;
    source[p + 2] = bgra[p + 2] * alpha;
    source[p + 3] = bgra[p + 3];
  }
  const std::vector<Taps> across = AxisTaps(width, newWidth);
  const std::vector<Taps> down = AxisTaps(height, newHeight);

  std::vector<float> rows(std::size_t(newWidth) * height * 4, 0.0f);
  for (int y = 0; y < height; ++y) {
    const float* in = &source[std::size_t(y) * width * 4];
    float* out = &rows[std::size_t(y) * newWidth * 4];
    for (int x = 0; x < newWidth; ++x) {
      const Taps& t = across[std::size_t(x)];
      for (std::size_t k = 0; k < t.weights.size(); ++k) {
        const float* px = in + std::size_t(t.first + int(k)) * 4;
        for (int c = 0; c < 4; ++c) out[x * 4 + c] += px[c] * t.weights[k];
      }
    }
  }

  PremultipliedPixels result{newWidth, newHeight,
                             std::vector<std::uint8_t>(std::size_t(newWidth) * newHeight * 4)};
  std::vector<float> sum(std::size_t(newWidth) * 4);
  for (int y = 0; y < newHeight; ++y) {
    const Taps& t = down[std::size_t(y)];
    std::fill(sum.begin(), sum.end(), 0.0f);
    for (std::size_t k = 0; k < t.weights.size(); ++k) {
      const float* row = &rows[std::size_t(t.first + int(k)) * newWidth * 4];
      for (std::size_t i = 0; i < sum.size(); ++i) sum[i] += row[i] * t.weights[k];
    }
    std::uint8_t* out = &result.bgra[std::size_t(y) * newWidth * 4];
    for (int x = 0; x < newWidth; ++x) {
      const float alpha = std::clamp(sum[std::size_t(x) * 4 + 3], 0.0f, 255.0f);
      out[x * 4 + 3] = std::uint8_t(std::lround(alpha));
      for (int c = 0; c < 3; ++c) {
        // A premultiplied colour never exceeds its alpha.
        float v = std::clamp(sum[std::size_t(x) * 4 + c], 0.0f, alpha);
        out[x * 4 + c] = std::uint8_t(std::lround(v));
      }
    }
  }
  return result;
}
