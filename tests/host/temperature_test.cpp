#include "load/temperature.h"

#include <gtest/gtest.h>

#include "shell/main_window.h"
#include "tests/fakes/processors_fake.h"
#include "tests/fakes/toolkit_fake.h"

namespace {

using fake::processorsState;
using fake::RegisterRead;

constexpr std::uint32_t kThermalStatus = 0x19C;

class TemperatureTest : public ::testing::Test {
 protected:
  // A machine of `processors` logical processors, NUMBER_OF_PROCESSORS `variable`, the
  // process started on all of them, and the probe initialised.
  void Start(int processors, const char* variable, std::int32_t cores) {
    fake::Reset();
    processorsState = {};
    processorsState.processors = processors;
    processorsState.affinity = (std::uint32_t{1} << processors) - 1;
    savedAffinityMask = processorsState.affinity;
    if (variable) fake::state.environment["NUMBER_OF_PROCESSORS"] = variable;
    coreCount = cores;
    InitTemperatureProbe();
    processorsState.affinityRequests.clear();
    processorsState.reads.clear();
  }

  // Every read of 0x19C gives `low` in its low half.
  static void ThermalStatus(std::uint32_t low) {
    processorsState.registerValue = [low](std::uint32_t index, int) -> std::optional<std::uint64_t> {
      if (index == kThermalStatus) return 0xABCD'0000'0000'0000ULL | low;
      return std::nullopt;
    };
  }

  std::vector<int> ThermalReadProcessors() const {
    std::vector<int> processors;
    for (const RegisterRead& r : processorsState.reads) {
      if (r.index == kThermalStatus) processors.push_back(r.processor);
    }
    return processors;
  }
};

TEST_F(TemperatureTest, ReadoutFieldsOfTheThermalStatus) {
  struct Case {
    const char* name;
    std::uint32_t low;
    std::int32_t strided, sequential;
  };
  const Case cases[] = {
      // Bit 31 set: the strided field is bits 24..16, the sequential one bits 22..16.
      {"57 with bit 31", 0x8839'0000, 43, 43},
      {"127 with bit 31", 0x887F'0000, -27, -27},
      {"bit 23 lies only in the strided field", 0x80B9'0000, 100 - 185, 43},
      {"readout 0 is no reading", 0x8800'0000, 0, 0},
      // Bit 31 clear: 24 characters of base 2; the fields fall on other bits.
      {"57 without bit 31", 0x0039'0000, -156, 0},
      {"zero", 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start(8, "8", 1);
    ThermalStatus(c.low);
    EXPECT_EQ(ReadTemperatureStrided(), c.strided);
    EXPECT_EQ(ReadTemperatureSequential(), c.sequential);
  }
}

TEST_F(TemperatureTest, VisitingOrdersPinOneProcessorAfterAnotherAndRestoreTheStartingMask) {
  struct Case {
    const char* name;
    int processors;
    const char* variable;
    std::int32_t (*reader)();
    std::vector<std::uint32_t> masks;  // asked for, the restore included
    std::vector<int> readOn;           // processors the thermal status was read on
  };
  const Case cases[] = {
      {"strided, 8 processors", 8, "8", ReadTemperatureStrided, {0x80, 0x20, 0x08, 0x02, 0xFF}, {7, 5, 3, 1}},
      {"sequential, 8 processors", 8, "8", ReadTemperatureSequential, {0x80, 0x40, 0x20, 0x10, 0xFF}, {7, 6, 5, 4}},
      // Positions 5 and 7 lie past the template: mask 0 changes nothing.
      {"strided, 4 processors", 4, "4", ReadTemperatureStrided, {0x08, 0x02, 0, 0, 0x0F}, {3, 1, 1, 1}},
      {"sequential, 4 processors", 4, "4", ReadTemperatureSequential, {0x08, 0x04, 0x02, 0x01, 0x0F}, {3, 2, 1, 0}},
      // Bits above 31 are lost: positions 1..4 of 40 would be bits 39..36.
      {"sequential, 40 in the variable", 8, "40", ReadTemperatureSequential, {0, 0, 0, 0, 0xFF}, {0, 0, 0, 0}},
      {"strided, variable missing", 8, nullptr, ReadTemperatureStrided, {0, 0, 0, 0, 0xFF}, {0, 0, 0, 0}},
      {"sequential, variable not a number", 8, "many", ReadTemperatureSequential, {0, 0, 0, 0, 0xFF}, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Start(c.processors, c.variable, 4);
    ThermalStatus(0x8839'0000);
    c.reader();
    EXPECT_EQ(processorsState.affinityRequests, c.masks);
    EXPECT_EQ(ThermalReadProcessors(), c.readOn);
    EXPECT_EQ(processorsState.affinity, savedAffinityMask);
  }
}

TEST_F(TemperatureTest, EachReaderReportsItsLastPassAndReadsTheOtherRegistersInOrder) {
  Start(8, "8", 4);
  // The readout on processor k is 40 + k: the temperature tells where it was read.
  processorsState.registerValue = [](std::uint32_t index, int processor) -> std::optional<std::uint64_t> {
    return index == kThermalStatus ? 0x8800'0000u | std::uint32_t(40 + processor) << 16 : 0;
  };
  EXPECT_EQ(ReadTemperatureStrided(), 100 - 41);  // processor 1
  EXPECT_EQ(processorsState.reads,
            (std::vector<RegisterRead>{{0x1B1, 0}, {0x19C, 7}, {0x199, 7}, {0x19C, 5}, {0x199, 5},
                                       {0x19C, 3}, {0x199, 3}, {0x19C, 1}, {0x199, 1}}));
  processorsState.reads.clear();
  EXPECT_EQ(ReadTemperatureSequential(), 100 - 44);  // processor 4
  EXPECT_EQ(processorsState.reads,
            (std::vector<RegisterRead>{{0x1B1, 0}, {0x19C, 7}, {0x19C, 6}, {0x19C, 5}, {0x19C, 4}}));
}

TEST_F(TemperatureTest, FailedReadsComputeFromTheLastSuccessfulReadOfAnyRegister) {
  Start(8, "8", 2);
  // The package thermal status reads, the thermal status never does: both passes take
  // their readout from the 0x1B1 value left in the slots.
  processorsState.registerValue = [](std::uint32_t index, int) -> std::optional<std::uint64_t> {
    if (index == 0x1B1) return 0x8839'0000;
    return std::nullopt;
  };
  EXPECT_EQ(ReadTemperatureSequential(), 43);

  // An uninitialised driver never reads: the slots keep what they last held.
  processorsState.registerValue = [](std::uint32_t, int) { return std::optional<std::uint64_t>{}; };
  EXPECT_EQ(ReadTemperatureStrided(), 43);
}

TEST_F(TemperatureTest, InitialisesTheDriverAndPrimesTheSlotsOnce) {
  fake::Reset();
  processorsState = {};
  processorsState.registerValue = [](std::uint32_t index, int) -> std::optional<std::uint64_t> {
    if (index == kThermalStatus) return 0x8839'0000;
    return std::nullopt;
  };
  coreCount = 1;
  InitTemperatureProbe();
  EXPECT_EQ(processorsState.initializeCalls, 1);
  EXPECT_EQ(processorsState.reads, (std::vector<RegisterRead>{{kThermalStatus, 0}}));
  EXPECT_TRUE(processorsState.affinityRequests.empty());

  // The primed value is what a pass computes from when its own read fails.
  processorsState.registerValue = [](std::uint32_t, int) { return std::optional<std::uint64_t>{}; };
  EXPECT_EQ(ReadTemperatureSequential(), 43);
}

TEST_F(TemperatureTest, NoPassWithoutCoresLeavesTheAffinityAlone) {
  for (std::int32_t cores : {0, -1}) {
    SCOPED_TRACE(cores);
    Start(8, "8", cores);
    ThermalStatus(0x8839'0000);
    EXPECT_EQ(ReadTemperatureStrided(), 0);
    EXPECT_EQ(ReadTemperatureSequential(), 0);
    EXPECT_TRUE(processorsState.affinityRequests.empty());
  }
}

}  // namespace
