// The system's memory load.
//
// load/memory_status_win32.cpp is the real implementation; tests/fakes/ has a scripted one.
#pragma once

#include <cstdint>

namespace memory {

// The memory load in percent from the system's memory status; 0 when the system cannot
// say (the status record stays zeroed) or says something impossible (above 100).
std::uint32_t MemoryLoadPercent();

}  // namespace memory
