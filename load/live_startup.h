// The start-up and exit steps of veskara's live load readings, in the order the shell runs
// them:
//
//   program entry:   CreateProcessorInfo();                 before the window loads
//   InitMainWindow:  coreCount = ReadCoreCountAtStartup();
//                    ShowCpuUsage();                        the first sample: "100%"
//                    ...
//                    InitTemperatureProbe();                last step
//   timer 时钟_cpu占用: OnLoadTimerLive();
//   exit routine:    ReleaseProcessorInfo();
#pragma once

#include <cstdint>

#include "load/load_panel.h"
#include "load/processor_info.h"
#include "load/temperature.h"

// The process-wide ProcessorInfo: created at program entry, released by the exit routine.
void CreateProcessorInfo();
void ReleaseProcessorInfo();
ProcessorInfo& TheProcessorInfo();  // only between the two calls above

// The NumberOfCores of the first Win32_Processor instance: -1 when WMI cannot be reached,
// 0 when it yields no instance. Lets pending events be processed while it enumerates.
std::int32_t ReadCoreCountAtStartup();
