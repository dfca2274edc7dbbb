#include "load/processor_info.h"

#include <gtest/gtest.h>

#include "load/live_startup.h"
#include "tests/fakes/toolkit_fake.h"
#include "tests/fakes/wmi_fake.h"

namespace {

using fake::wmiState;

class ProcessorInfoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake::Reset();
    wmiState = {};
  }

  // `count` processor packages; package k has 2k cores and the name "CPU k".
  static void Packages(int count) {
    for (int k = 1; k <= count; ++k) {
      fake::WmiInstance instance;
      instance.integers["NumberOfCores"] = 2 * k;
      instance.texts["Name"] = "CPU " + std::to_string(k);
      wmiState.instances.push_back(instance);
    }
  }
};

TEST_F(ProcessorInfoTest, GetterSelectsAnInstanceAndEnumeratesUpToTen) {
  struct Case {
    const char* name;
    int packages;
    std::int32_t instance, use;
    std::int32_t cores;
    const char* text;
    int enumerated;
  };
  const Case cases[] = {
      {"first package without an instance number", 2, 0, 0, 2, "CPU 1", 2},
      {"instance number ignored without the flag", 2, 2, 0, 2, "CPU 1", 2},
      {"second package", 2, 2, 1, 4, "CPU 2", 2},
      {"fewer instances than asked", 2, 3, 1, 0, "", 2},
      {"no instance at all", 0, 0, 0, 0, "", 0},
      {"tenth of twelve", 12, 10, 1, 20, "CPU 10", 10},
      {"eleventh is past the limit", 12, 11, 1, 0, "", 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    Packages(c.packages);
    ProcessorInfo info;
    EXPECT_EQ(info.NumberOfCores(c.instance, c.use), c.cores);
    EXPECT_EQ(info.Name(c.instance, c.use), c.text);
    EXPECT_EQ(wmiState.instancesReleased, 2 * c.enumerated);
    // Pending events are let through after each instance is released.
    for (int k = 0; k < wmiState.instancesReleased; ++k) {
      EXPECT_EQ(wmiState.pendingEventRoundsAtRelease[k], k);
    }
    EXPECT_EQ(fake::state.pendingEventRounds, 2 * c.enumerated);
    EXPECT_EQ(wmiState.queriesClosed, 2);
    EXPECT_EQ(wmiState.apartmentsEntered, 2);
    EXPECT_EQ(wmiState.apartmentsLeft, 2);
  }
}

TEST_F(ProcessorInfoTest, EveryGetterReadsItsOwnPropertyFromTheProcessorClass) {
  fake::WmiInstance instance;
  for (int k = 0; k < int(std::size(kProcessorProperties)); ++k) {
    instance.integers[kProcessorProperties[k].name] = 100 + k;
    instance.texts[kProcessorProperties[k].name] = "text " + std::to_string(k);
  }
  wmiState.instances.push_back(instance);

  ProcessorInfo info;
  const std::vector<std::int32_t> integers = {
      info.AddressWidth(), info.Architecture(), info.CpuStatus(), info.CurrentClockSpeed(),
      info.CurrentVoltage(), info.DataWidth(), info.L2CacheSize(), info.L3CacheSize(),
      info.LoadPercentage(), info.MaxClockSpeed(), info.NumberOfCores(),
      info.NumberOfLogicalProcessors(), info.ProcessorType(), info.Revision()};
  EXPECT_EQ(integers, (std::vector<std::int32_t>{100, 101, 102, 103, 104, 105, 108, 109, 110,
                                                  112, 114, 115, 117, 118}));
  const std::vector<Text> texts = {info.Description(), info.DeviceID(), info.Manufacturer(),
                                   info.Name(), info.ProcessorId()};
  EXPECT_EQ(texts, (std::vector<Text>{"text 6", "text 7", "text 11", "text 13", "text 16"}));

  for (const auto& [nameSpace, query] : wmiState.queriesOpened) {
    EXPECT_EQ(nameSpace, "root\\CIMV2");
    EXPECT_EQ(query, "Select * From Win32_Processor");
  }
  EXPECT_EQ(wmiState.queriesOpened.size(), 19u);
}

TEST_F(ProcessorInfoTest, UnreachableWmiGivesMinusOneOrEmptyAndGivesTheApartmentBack) {
  Packages(1);
  wmiState.queryOpens = false;
  ProcessorInfo info;
  EXPECT_EQ(info.NumberOfCores(), -1);
  EXPECT_EQ(info.Name(), "");
  EXPECT_EQ(wmiState.nextCalls, 0);
  EXPECT_EQ(wmiState.apartmentsEntered, 2);
  EXPECT_EQ(wmiState.apartmentsLeft, 2);
}

TEST_F(ProcessorInfoTest, SecurityIsSetOncePerObject) {
  Packages(1);
  ProcessorInfo first, second;
  first.NumberOfCores();
  first.Name();
  wmiState.queryOpens = false;
  first.NumberOfCores();
  EXPECT_EQ(wmiState.securityInitialisations, 1);
  second.NumberOfCores();
  EXPECT_EQ(wmiState.securityInitialisations, 2);
}

TEST_F(ProcessorInfoTest, AThreadWithItsOwnApartmentKeepsIt) {
  Packages(1);
  wmiState.threadInOtherApartment = true;
  ProcessorInfo info;
  EXPECT_EQ(info.NumberOfCores(), 2);
  wmiState.queryOpens = false;
  EXPECT_EQ(info.NumberOfCores(), -1);
  EXPECT_EQ(wmiState.apartmentsLeft, 0);
}

TEST_F(ProcessorInfoTest, StartUpReadsTheFirstPackagesCoresThroughTheProcessWideObject) {
  Packages(2);
  EXPECT_EQ(ReadCoreCountAtStartup(), -1);  // before the object exists
  CreateProcessorInfo();
  EXPECT_EQ(ReadCoreCountAtStartup(), 2);
  ReleaseProcessorInfo();
  EXPECT_EQ(wmiState.apartmentsEntered, wmiState.apartmentsLeft);
}

}  // namespace
