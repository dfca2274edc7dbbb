// A scripted machine for host tests of the temperature probe: logical processors, the
// process affinity, and the register driver library reading on the processor the thread
// runs on (the lowest one the affinity allows).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace fake {

struct RegisterRead {
  std::uint32_t index;
  int processor;
  bool operator==(const RegisterRead&) const = default;
};

struct ProcessorsState {
  int processors = 8;
  std::uint32_t affinity = 0xFF;
  std::vector<std::uint32_t> affinityRequests;  // every mask asked for, in order
  int initializeCalls = 0;
  // The value of register `index` on `processor`; none makes the read fail.
  std::function<std::optional<std::uint64_t>(std::uint32_t index, int processor)> registerValue =
      [](std::uint32_t, int) { return std::optional<std::uint64_t>{}; };
  std::vector<RegisterRead> reads;  // every read attempted
};

extern ProcessorsState processorsState;

// The processor a thread of the process runs on: the lowest one its affinity allows.
int CurrentProcessor();

}  // namespace fake
