// Start-up of veskara: live readings of the machine.
#include "load/live_startup.h"
#include "platform/system.h"
#include "shell/main_window.h"

void CreateProgramObjects() { CreateProcessorInfo(); }
void ExitRoutine() { ReleaseProcessorInfo(); }

void InitMainWindow() {
  // The affinity the process starts with, for the temperature readers to return to.
  savedAffinityMask = platform::ProcessAffinityMask();
  coreCount = ReadCoreCountAtStartup();
  ShowCpuUsage();
  RunCommonStartupSteps();
  InitTemperatureProbe();
}

void OnLoadTimer() { OnLoadTimerLive(); }
