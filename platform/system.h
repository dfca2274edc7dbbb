// System services that the shell needs at start-up.
#pragma once

#include <cstdint>

namespace platform {

// The processor-affinity mask the process runs with now (0 when it cannot be read).
std::uint32_t ProcessAffinityMask();

}  // namespace platform
