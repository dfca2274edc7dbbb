// The load panel's texts and the rule that combines two temperature readings into one,
// shared by the live and the simulated readings.
#pragma once

#include <cstdint>

#include "platform/text.h"

// "43%": the CPU usage label.
Text PercentText(long long value);

// The core-count label from two temperatures where 0 means no reading: "4核CPU：57℃  "
// with the one reading there is or the floor of the mean of both, or "4核CPU：出错  "
// when there is none.
Text CoreTemperatureText(std::int32_t cores, std::int32_t a, std::int32_t b);

// "内存:43%": the memory label.
Text MemoryLoadText(long long load);
