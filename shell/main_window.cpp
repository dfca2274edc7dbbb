// The process-wide state of the main window; see main_window.h for who writes and reads it.
#include "shell/main_window.h"

std::int32_t coreCount = 0;
std::int32_t opacityLevel = 255;
std::int32_t weatherPeriodMinutes = 2;
std::uint32_t savedAffinityMask = 0;
