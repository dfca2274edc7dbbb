#include <benchmark/benchmark.h>

#include "clock/clock_tick.h"
#include "tests/fakes/toolkit_fake.h"

// One tick's whole work through the recording toolkit: lunar lookup, week number, the
// three captions. It runs on the user-interface thread once a second; the bar is 20 µs.
static void BM_ClockTick(benchmark::State& state) {
  fake::Reset();
  int second = 0;
  for (auto _ : state) {
    // A different day each tick, so no lookup can lean on the previous one.
    fake::state.now = {1902 + second % 199, 1 + second % 12, 1 + second % 28, 23, 59,
                       second % 60};
    ClockTick();
    benchmark::DoNotOptimize(fake::state.captions);
    ++second;
  }
}
BENCHMARK(BM_ClockTick);
