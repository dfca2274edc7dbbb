// The memory load host tests report.
#pragma once

#include <cstdint>

namespace fake {
extern std::uint32_t memoryLoad;
}  // namespace fake
