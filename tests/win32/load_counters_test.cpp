// The CPU usage sampler and the memory status against the system's real counters.
#include <windows.h>

#include <gtest/gtest.h>

#include "load/cpu_usage.h"
#include "load/memory_status.h"

namespace {

TEST(KernelCountersTest, FirstSampleReads100AndLaterOnesStayWithin1To100) {
  // The only sampling in this program: the first call still compares against zero.
  EXPECT_EQ(SampleCpuUsage(), 100);
  for (int k = 0; k < 5; ++k) {
    volatile double busy = 0;
    for (int i = 0; i < 2'000'000; ++i) busy = busy + i;  // some elapsed time between samples
    std::int32_t usage = SampleCpuUsage();
    EXPECT_GE(usage, 1);
    EXPECT_LE(usage, 100);
  }
}

TEST(KernelCountersTest, MemoryLoadIsTheSystemsPercentage) {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  ASSERT_TRUE(GlobalMemoryStatusEx(&status));
  std::uint32_t load = memory::MemoryLoadPercent();
  if (status.dwMemoryLoad <= 100) {
    EXPECT_GE(load, 1u);
    EXPECT_NEAR(double(load), double(status.dwMemoryLoad), 2);
  } else {
    // Wine on a host with more memory than a 32-bit process can address.
    EXPECT_EQ(load, 0u) << "the system said " << status.dwMemoryLoad << " %";
  }
}

}  // namespace
