// Scripted kernel counters for host tests of the CPU usage sampler: the values the next
// queries report, in the layout the kernel writes them, and a record of what was asked.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace fake {

struct KernelState {
  std::uint32_t processorCount = 1;
  // Time-of-day information (class 3): boot time at bytes 0..7, system time at 8..15.
  std::int64_t bootTime = 0;
  std::int64_t systemTime = 0;
  // Performance information (class 2): idle time summed over all processors at 0..7.
  std::int64_t idleTime = 0;
  std::int32_t timeOfDayStatus = 0;    // non-zero: that query fails
  std::int32_t performanceStatus = 0;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> queries;  // (class, buffer length)
  int buffersTaken = 0;
  int buffersReleased = 0;
};

extern KernelState kernelState;

}  // namespace fake
