#include "load/cpu_usage.h"

#include <cmath>
#include <mutex>

#include "load/kernel_counters.h"
#include "platform/toolkit.h"

namespace {

// Time-of-day information: boot time in bytes 0..7, the current system time in bytes 8..15.
constexpr std::uint32_t kTimeOfDayClass = 3;
constexpr std::uint32_t kTimeOfDayLength = 48;
constexpr std::uint32_t kSystemTimeOffset = 8;
// Performance information: the idle time summed over all processors in bytes 0..7.
constexpr std::uint32_t kPerformanceClass = 2;
constexpr std::uint32_t kPerformanceLength = 344;
constexpr std::uint32_t kIdleTimeOffset = 0;

// The previous successful sample, in 100-ns units. The lock is held from the first query
// to the store, so overlapping samples each measure against a consistent previous pair.
std::mutex sampleLock;
double previousIdleTime = 0;
double previousSystemTime = 0;

bool Query(std::uint32_t infoClass, kernel::GlobalBuffer& buffer) {
  return buffer.data() && kernel::QuerySystemInformation(infoClass, buffer) == 0;
}

// The signed little-endian 64-bit counter at `offset`, as a double.
double CounterAt(const kernel::GlobalBuffer& buffer, std::uint32_t offset) {
  std::uint64_t bits = 0;
  for (int k = 7; k >= 0; --k) bits = (bits << 8) | buffer.data()[offset + k];
  return static_cast<double>(static_cast<std::int64_t>(bits));
}

// Rounds half up by adding 0.5 and truncating toward zero, then keeps the result in
// 1..100. A non-finite usage (no elapsed time) reads 1; the checks are made on the double
// so that huge values (the clock set back or jumping forward) read 100.
std::int32_t WholePercent(double usage) {
  double rounded = usage + 0.5;
  if (std::isnan(rounded) || rounded < 1.0) return 1;
  if (rounded >= 100.0) return 100;
  return static_cast<std::int32_t>(rounded);
}

}  // namespace

std::int32_t SampleCpuUsage() {
  toolkit::ProcessPendingEvents();
  double processors = kernel::NativeProcessorCount();
  kernel::GlobalBuffer timeOfDay(kTimeOfDayLength);
  kernel::GlobalBuffer performance(kPerformanceLength);

  double usage;
  {
    std::lock_guard<std::mutex> lock(sampleLock);
    if (!Query(kTimeOfDayClass, timeOfDay)) return -1;
    double systemTime = CounterAt(timeOfDay, kSystemTimeOffset);
    if (!Query(kPerformanceClass, performance)) return -1;
    double idleTime = CounterAt(performance, kIdleTimeOffset);

    usage = 100 - ((idleTime - previousIdleTime) / (systemTime - previousSystemTime) * 100) /
                      processors;
    previousIdleTime = idleTime;
    previousSystemTime = systemTime;
  }
  return WholePercent(usage);
}
