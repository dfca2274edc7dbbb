#include "load/cpu_usage.h"

#include <gtest/gtest.h>

#include <utility>

#include "tests/fakes/kernel_counters_fake.h"
#include "tests/fakes/toolkit_fake.h"

namespace {

struct Counters {
  std::int64_t idle;
  std::int64_t system;
};

// Makes `counters` the previous sample by taking one sample of them.
void Baseline(Counters counters) {
  fake::kernelState.idleTime = counters.idle;
  fake::kernelState.systemTime = counters.system;
  ASSERT_NE(SampleCpuUsage(), -1);
}

std::int32_t SampleOf(Counters counters) {
  fake::kernelState.idleTime = counters.idle;
  fake::kernelState.systemTime = counters.system;
  return SampleCpuUsage();
}

class CpuUsageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake::Reset();
    fake::kernelState = {};
  }
};

struct UsageCase {
  const char* name;
  std::uint32_t processors;
  Counters previous, current;
  std::int32_t expected;
};

TEST_F(CpuUsageTest, UsageFromTheCountersRoundsHalfUpAndStaysWithin1To100) {
  const UsageCase cases[] = {
      // Idle time since boot against the absolute system time: a negligible ratio.
      {"first sample of a run", 4, {0, 0}, {3'000'000'000'000, 132'000'000'000'000'000}, 100},
      {"half busy", 1, {1000, 1000}, {1500, 2000}, 50},
      {"42.5 goes up", 5, {0, 0}, {23, 8}, 43},       // 100 - (23/8*100)/5
      {"42.4 goes down", 1, {0, 0}, {576, 1000}, 42},
      {"99.5 goes up", 25, {0, 0}, {1, 8}, 100},      // 100 - (1/8*100)/25
      {"99.4 goes down", 1, {0, 0}, {6, 1000}, 99},
      {"fully idle reads 1", 2, {0, 0}, {2000, 1000}, 1},
      {"idle faster than elapsed x N reads 1", 2, {0, 0}, {2500, 1000}, 1},
      {"no elapsed time, idle grew", 1, {100, 1000}, {200, 1000}, 1},
      {"no elapsed time, nothing grew", 1, {100, 1000}, {100, 1000}, 1},
      {"clock set back", 1, {100, 1'000'000}, {150, 999'000}, 100},
      {"clock jumped forward", 1, {100, 1000}, {200, 1000 + 864'000'000'000}, 100},
  };
  for (const UsageCase& c : cases) {
    SCOPED_TRACE(c.name);
    fake::kernelState.processorCount = c.processors;
    Baseline(c.previous);
    EXPECT_EQ(SampleOf(c.current), c.expected);
  }
}

TEST_F(CpuUsageTest, QueriesTheTwoClassesIntoBuffersItReleasesAndLetsEventsThrough) {
  SampleOf({10, 20});
  using Query = std::pair<std::uint32_t, std::uint32_t>;
  EXPECT_EQ(fake::kernelState.queries, (std::vector<Query>{{3, 48}, {2, 344}}));
  EXPECT_EQ(fake::kernelState.buffersTaken, 2);
  EXPECT_EQ(fake::kernelState.buffersReleased, 2);
  EXPECT_EQ(fake::state.pendingEventRounds, 1);
}

TEST_F(CpuUsageTest, FailedQueryReadsMinusOneAndKeepsThePreviousSample) {
  for (bool timeOfDayFails : {true, false}) {
    SCOPED_TRACE(timeOfDayFails ? "time of day fails" : "performance fails");
    fake::kernelState = {};
    Baseline({1000, 1000});

    if (timeOfDayFails) fake::kernelState.timeOfDayStatus = static_cast<std::int32_t>(0xC0000001);
    else fake::kernelState.performanceStatus = static_cast<std::int32_t>(0xC0000001);
    EXPECT_EQ(SampleOf({900'000, 900'000}), -1);
    EXPECT_EQ(fake::kernelState.buffersTaken, fake::kernelState.buffersReleased);

    // Measured against the sample before the failure: 500 idle in 1000 elapsed.
    fake::kernelState.timeOfDayStatus = fake::kernelState.performanceStatus = 0;
    EXPECT_EQ(SampleOf({1500, 2000}), 50);
  }
}

}  // namespace
