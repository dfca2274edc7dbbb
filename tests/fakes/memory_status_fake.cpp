#include "tests/fakes/memory_status_fake.h"

#include "load/memory_status.h"

namespace fake {
std::uint32_t memoryLoad = 0;
std::function<void()> onMemoryRead;
}  // namespace fake

namespace memory {
std::uint32_t MemoryLoadPercent() {
  if (fake::onMemoryRead) fake::onMemoryRead();
  return fake::memoryLoad;
}
}  // namespace memory
