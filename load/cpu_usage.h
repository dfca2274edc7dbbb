// The machine's CPU usage, from the kernel's idle-time and system-time counters.
#pragma once

#include <cstdint>

// CPU usage in whole percent over the time since the previous successful call: 1 to 100,
// or -1 when a kernel query fails (the previous sample then stays as it was). The first
// call of a run compares against zero counters and reads 100. Any thread may call it.
std::int32_t SampleCpuUsage();
