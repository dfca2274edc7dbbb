#include "platform/runtime.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "platform/toolkit.h"

namespace toolkit {

namespace {
// A linear congruential generator with the classic 15-bit output; the state is per thread
// so a worker's draws never disturb the user-interface thread's sequence.
thread_local std::uint32_t randomState = 1;
}  // namespace

void SeedRandom() { SeedRandom(TickCount()); }
void SeedRandom(std::uint32_t seed) { randomState = seed; }

int RandomValue() {
  randomState = randomState * 214013u + 2531011u;
  return int((randomState >> 16) & 0x7FFF);
}

int Random(int a, int b) {
  if (a < 0) a = 0;
  if (b < 0) b = 0;
  if (b < a) std::swap(a, b);
  long long span = static_cast<long long>(b) - a + 1;
  return int(a + RandomValue() % span);
}

Text NumberToText(long long value) { return std::to_string(value); }

Text NumberToText(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.13g", value);
  return buffer;
}

long long Floor(double value) { return static_cast<long long>(std::floor(value)); }

}  // namespace toolkit
