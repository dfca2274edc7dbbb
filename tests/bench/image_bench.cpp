#include <benchmark/benchmark.h>

#include "platform/image.h"
#include "tests/support/gif_writer.h"

namespace {

// An animation the size of the widget's own: 534 x 598, 71 full frames of thin lines on a
// flat background, delays of 20 and 30 ms. Decoded once at start-up, it should take well
// under a second.
Bytes WidgetSizedAnimation() {
  constexpr int kWidth = 534, kHeight = 598;
  std::vector<gif_writer::Frame> frames;
  for (int f = 0; f < 71; ++f) {
    std::vector<GifPixelType> pixels(kWidth * kHeight, 0);
    for (int y = 0; y < kHeight; ++y) {
      pixels[y * kWidth + (y * 7 / 8 + f * 5) % kWidth] = 1;
      pixels[y * kWidth + (kWidth - 1 - (y + f * 3) % kWidth)] = 2;
    }
    for (int x = 0; x < kWidth; ++x) pixels[((f * 8) % kHeight) * kWidth + x] = 3;
    frames.push_back({0, 0, kWidth, kHeight, std::move(pixels), DISPOSE_DO_NOT, f % 3 ? 2 : 3});
  }
  const std::vector<GifColorType> colours = {
      {223, 230, 240}, {0, 0, 0}, {68, 68, 68}, {90, 90, 90}};
  return gif_writer::Write(kWidth, kHeight, colours, frames);
}

void BM_DecodeWidgetAnimation(benchmark::State& state) {
  const Bytes gif = WidgetSizedAnimation();
  for (auto _ : state) {
    Image image = DecodeImage(gif);
    if (image.frames.size() != 71) state.SkipWithError("the animation did not decode");
    benchmark::DoNotOptimize(image);
  }
}
BENCHMARK(BM_DecodeWidgetAnimation)->Unit(benchmark::kMillisecond);

}  // namespace
