#include "tools/wave_animation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/palette.h"

namespace {

constexpr double kPi = std::numbers::pi;

// Three travelling waves inside a common envelope, like a signal on a scope. The box that
// shows it is 104 x 80, so every size below is in the box's pixels and strokes stay about
// three pixels thick after the 534 x 598 frames are squeezed into it.
constexpr int kFrameWidth = 534, kFrameHeight = 598;
constexpr double kBoxWidth = 104, kBoxHeight = 80;
constexpr double kScaleX = kFrameWidth / kBoxWidth, kScaleY = kFrameHeight / kBoxHeight;
constexpr int kFrames = 71, kSlowFrames = 25;  // 46 frames of 20 ms, 25 of 30 ms

// Palette indices; the colours are listed in this order in DrawWaveAnimation.
enum Ink : std::uint8_t { kBackground, kAxis, kPale, kBlue, kDark };

struct Wave {
  Ink ink;
  double width;      // stroke, box pixels
  double amplitude;  // box pixels
  double cycles;     // across the span
  int travel;        // whole periods moved per loop, so the loop is seamless
  int pulse;         // amplitude swells per loop
  double phase;
};

constexpr Wave kWaves[] = {
    {kPale, 2.4, 12, 2.5, -2, 2, 2.0},
    {kBlue, 2.8, 19, 2.0, 1, 1, 1.0},
    {kDark, 3.2, 25, 1.5, -1, 1, 0.0},
};
constexpr double kSpanLeft = 8, kSpanRight = 96, kAxisY = 40;

double WaveY(const Wave& wave, double u, double t) {
  const double s = (u - kSpanLeft) / (kSpanRight - kSpanLeft);
  const double envelope = std::pow(std::sin(kPi * s), 2);
  const double swell = 0.8 + 0.2 * std::sin(2 * kPi * (wave.pulse * t) + wave.phase);
  return kAxisY - wave.amplitude * swell * envelope *
                      std::sin(2 * kPi * (wave.cycles * s + wave.travel * t) + wave.phase);
}

// Stamps a round pen of `width` box pixels at box point (u, v).
void Stamp(std::vector<std::uint8_t>& frame, double u, double v, double width, Ink ink) {
  const double rx = width / 2 * kScaleX, ry = width / 2 * kScaleY;
  const double cx = u * kScaleX, cy = v * kScaleY;
  const int y1 = std::max(0, int(std::floor(cy - ry))),
            y2 = std::min(kFrameHeight - 1, int(std::ceil(cy + ry)));
  for (int y = y1; y <= y2; ++y) {
    const double dy = (y + 0.5 - cy) / ry;
    if (dy * dy > 1) continue;
    const double half = rx * std::sqrt(1 - dy * dy);
    const int x1 = std::max(0, int(std::ceil(cx - half - 0.5))),
              x2 = std::min(kFrameWidth - 1, int(std::floor(cx + half - 0.5)));
    std::fill(frame.begin() + std::ptrdiff_t(y) * kFrameWidth + x1,
              frame.begin() + std::ptrdiff_t(y) * kFrameWidth + x2 + 1, ink);
  }
}

std::vector<std::uint8_t> DrawFrame(double t) {
  std::vector<std::uint8_t> frame(std::size_t(kFrameWidth) * kFrameHeight, kBackground);
  // A faint axis behind the waves.
  for (double u = kSpanLeft - 4; u <= kSpanRight + 4; u += 0.25)
    Stamp(frame, u, kAxisY, 1.0, kAxis);
  for (const Wave& wave : kWaves)
    for (double u = kSpanLeft; u <= kSpanRight; u += 0.1)
      Stamp(frame, u, WaveY(wave, u, t), wave.width, wave.ink);
  return frame;
}

}  // namespace

Animation DrawWaveAnimation() {
  Animation animation;
  animation.width = kFrameWidth;
  animation.height = kFrameHeight;
  animation.palette = {kDiscColour, {198, 206, 218}, {150, 176, 214}, {58, 104, 168},
                       kRingColour};
  // The slower frames are spread evenly, and each frame shows the waves at its own moment
  // of the loop, so the motion stays even whatever a frame's delay.
  int elapsed = 0, total = 0;
  std::vector<int> delays;
  for (int i = 0; i < kFrames; ++i) {
    const bool slow = (i + 1) * kSlowFrames / kFrames > i * kSlowFrames / kFrames;
    delays.push_back(slow ? 3 : 2);
    total += delays.back();
  }
  for (int delay : delays) {
    animation.frames.push_back({DrawFrame(double(elapsed) / total), delay});
    elapsed += delay;
  }
  return animation;
}
