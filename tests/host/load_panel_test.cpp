#include "load/load_panel.h"

#include <gtest/gtest.h>

#include "load/panel_text.h"
#include "shell/main_window.h"
#include "load/simulated.h"
#include "load/temperature.h"
#include "platform/runtime.h"
#include "tests/fakes/kernel_counters_fake.h"
#include "tests/fakes/memory_status_fake.h"
#include "tests/fakes/processors_fake.h"
#include "tests/fakes/toolkit_fake.h"

namespace {

using fake::state;

TEST(PanelTextTest, CombinationRuleAndTexts) {
  struct Case {
    std::int32_t cores, a, b;
    const char* expected;
  };
  const Case cases[] = {
      {4, 0, 0, "4核CPU：出错  "},
      {-1, 0, 0, "-1核CPU：出错  "},
      {4, 0, 47, "4核CPU：47℃  "},
      {4, 52, 0, "4核CPU：52℃  "},
      {4, 55, 60, "4核CPU：57℃  "},
      {4, 56, 60, "4核CPU：58℃  "},
      {4, -27, 50, "4核CPU：11℃  "},    // 11.5 down
      {4, -27, -30, "4核CPU：-29℃  "},  // -28.5 toward negative infinity
      {4, -156, 0, "4核CPU：-156℃  "},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CoreTemperatureText(c.cores, c.a, c.b), c.expected) << c.a << " " << c.b;
  }
  EXPECT_EQ(PercentText(-1), "-1%");
  EXPECT_EQ(MemoryLoadText(0), "内存:0%");
  // The texts go out in code page 936: the full-width colon, the degree sign, ASCII colon.
  EXPECT_EQ(CoreTemperatureText(8, 43, 0), "8\xBA\xCB" "CPU\xA3\xBA" "43\xA1\xE6  ");
  EXPECT_EQ(MemoryLoadText(43), "\xC4\xDA\xB4\xE6:43%");
}

class LiveLoadPanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake::Reset();
    fake::kernelState = {};
    fake::processorsState = {};
    fake::memoryLoad = 37;
    fake::state.environment["NUMBER_OF_PROCESSORS"] = "8";
    savedAffinityMask = 0xFF;
    coreCount = 4;
    InitTemperatureProbe();
  }
  void TearDown() override { fake::onMemoryRead = nullptr; }
};

TEST_F(LiveLoadPanelTest, RefreshWritesTheThreeLabels) {
  fake::processorsState.registerValue = [](std::uint32_t index, int) -> std::optional<std::uint64_t> {
    if (index == 0x19C) return 0x8839'0000;
    return std::nullopt;
  };
  fake::kernelState.idleTime = 0;
  fake::kernelState.systemTime = 0;
  RefreshLoadPanel();
  EXPECT_EQ(state.captions[Control::标签_占用率统计], "4核CPU：43℃  ");
  EXPECT_EQ(state.captions[Control::标签_占用率统计1], "内存:37%");
  EXPECT_EQ(state.captions[Control::标签_cpu占用率].back(), '%');
  EXPECT_EQ(fake::processorsState.affinity, 0xFFu);
}

TEST_F(LiveLoadPanelTest, FailedReadingsShowTheirFallbacks) {
  // The driver never reads and the slots hold a readout of 0; both kernel queries fail.
  fake::processorsState.registerValue = [](std::uint32_t index, int) -> std::optional<std::uint64_t> {
    if (index == 0x1B1) return 0;
    return std::nullopt;
  };
  fake::kernelState.timeOfDayStatus = static_cast<std::int32_t>(0xC0000001);
  fake::memoryLoad = 0;
  RefreshLoadPanel();
  EXPECT_EQ(state.captions[Control::标签_cpu占用率], "-1%");
  EXPECT_EQ(state.captions[Control::标签_占用率统计], "4核CPU：出错  ");
  EXPECT_EQ(state.captions[Control::标签_占用率统计1], "内存:0%");
}

TEST_F(LiveLoadPanelTest, TickWhileARefreshRunsIsSkipped) {
  auto runThread = [](std::size_t k) { state.threadsStarted[k].first(state.threadsStarted[k].second); };
  int refreshes = 0;
  std::size_t startedDuringRefresh = 0;
  fake::onMemoryRead = [&] {
    ++refreshes;
    OnLoadTimerLive();  // a tick while this refresh runs
    startedDuringRefresh = state.threadsStarted.size();
    if (refreshes == 1) runThread(1);  // a thread started before, arriving now
  };

  OnLoadTimerLive();
  OnLoadTimerLive();  // both ticks come before the first thread runs
  ASSERT_EQ(state.threadsStarted.size(), 2u);
  runThread(0);
  EXPECT_EQ(startedDuringRefresh, 2u) << "no thread started while the refresh runs";
  EXPECT_EQ(refreshes, 1) << "the second thread left without refreshing";
  EXPECT_EQ(state.captions[Control::标签_占用率统计1], "内存:37%");

  fake::onMemoryRead = [&] { ++refreshes; };
  OnLoadTimerLive();  // the refresh has ended: the next tick refreshes again
  ASSERT_EQ(state.threadsStarted.size(), 3u);
  runThread(2);
  EXPECT_EQ(refreshes, 2);
}

TEST(SimulatedLoadPanelTest, ReadingsStayInRangeWithAFixedCoreCount) {
  fake::Reset();
  toolkit::SeedRandom(7);
  coreCount = DrawSimulatedCoreCount();
  ASSERT_GE(coreCount, 3);
  ASSERT_LE(coreCount, 12);
  const Text cores = toolkit::NumberToText(static_cast<long long>(coreCount));

  auto between = [](long long value, long long low, long long high) {
    return value >= low && value <= high;
  };
  for (int tick = 0; tick < 300; ++tick) {
    fake::state.tickCount = 1000u * tick;  // each tick reseeds from the clock
    OnLoadTimerSimulated();
    const Text cpu = state.captions[Control::标签_cpu占用率];
    const Text temperature = state.captions[Control::标签_占用率统计];
    const Text memory = state.captions[Control::标签_占用率统计1];
    ASSERT_EQ(cpu.back(), '%');
    ASSERT_TRUE(between(LeadingInteger(cpu), 12, 100)) << cpu;

    const Text prefix = cores + "核CPU：";
    ASSERT_EQ(Left(temperature, int(prefix.size())), prefix) << temperature;
    ASSERT_EQ(Right(temperature, 4), "℃  ") << temperature;
    ASSERT_TRUE(between(LeadingInteger(Mid(temperature, int(prefix.size()) + 1, 3)), 30, 100))
        << temperature;

    ASSERT_EQ(Left(memory, 5), "内存:");
    ASSERT_TRUE(between(LeadingInteger(Mid(memory, 6, 3)), 12, 100)) << memory;
  }
}

}  // namespace
