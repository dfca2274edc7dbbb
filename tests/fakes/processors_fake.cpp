#include "tests/fakes/processors_fake.h"

#include "load/process_affinity.h"
#include "load/register_driver.h"

namespace fake {

ProcessorsState processorsState;

int CurrentProcessor() {
  for (int k = 0; k < 32; ++k) {
    if (processorsState.affinity & (std::uint32_t{1} << k)) return k;
  }
  return 0;
}

}  // namespace fake

using fake::processorsState;

namespace affinity {

void SetProcessAffinity(std::uint32_t mask) {
  processorsState.affinityRequests.push_back(mask);
  std::uint32_t present = processorsState.processors >= 32
                              ? 0xFFFFFFFFu
                              : (std::uint32_t{1} << processorsState.processors) - 1;
  if (mask != 0 && (mask & ~present) == 0) processorsState.affinity = mask;
}

}  // namespace affinity

namespace driver {

void InitializeOls() { ++processorsState.initializeCalls; }

void Rdmsr(std::uint32_t index, std::uint32_t& low, std::uint32_t& high) {
  int processor = fake::CurrentProcessor();
  processorsState.reads.push_back({index, processor});
  if (processorsState.initializeCalls == 0) return;
  std::optional<std::uint64_t> value = processorsState.registerValue(index, processor);
  if (!value) return;
  low = static_cast<std::uint32_t>(*value);
  high = static_cast<std::uint32_t>(*value >> 32);
}

}  // namespace driver
