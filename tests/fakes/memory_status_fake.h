// The memory load host tests report.
#pragma once

#include <cstdint>
#include <functional>

namespace fake {
extern std::uint32_t memoryLoad;
// Runs at each read, in the middle of a load refresh.
extern std::function<void()> onMemoryRead;
}  // namespace fake
