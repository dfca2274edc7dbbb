// The temperature probe with the stand-in driver library, bound by name from this
// program's folder, and the real process affinity.
#include <windows.h>

#include <gtest/gtest.h>

#include "load/temperature.h"
#include "platform/system.h"
#include "shell/main_window.h"

namespace {

void Set(const char* name, const char* value) { SetEnvironmentVariableA(name, value); }

TEST(RegisterDriverTest, BothReadersReadTheChosenRegisterAndPutTheAffinityBack) {
  savedAffinityMask = platform::ProcessAffinityMask();
  ASSERT_NE(savedAffinityMask, 0u);
  coreCount = 2;

  // Reads fail from the start: the slots stay 0, which is no reading.
  Set("VESKARA_STANDIN_FAIL", "1");
  Set("VESKARA_STANDIN_MSR_19C", "0x88390000");
  InitTemperatureProbe();
  EXPECT_EQ(ReadTemperatureStrided(), 0);
  EXPECT_EQ(ReadTemperatureSequential(), 0);

  Set("VESKARA_STANDIN_FAIL", nullptr);
  EXPECT_EQ(ReadTemperatureStrided(), 43);
  EXPECT_EQ(ReadTemperatureSequential(), 43);

  Set("VESKARA_STANDIN_MSR_19C", "0x00390000");  // bit 31 clear
  EXPECT_EQ(ReadTemperatureStrided(), -156);
  EXPECT_EQ(ReadTemperatureSequential(), 0);

  EXPECT_EQ(platform::ProcessAffinityMask(), savedAffinityMask);
  EXPECT_NE(GetModuleHandleA("WinRing0.dll"), nullptr);
}

}  // namespace
