// Start-up of veskara-sim: random load readings in place of the live ones.
#include "load/simulated.h"
#include "platform/runtime.h"
#include "shell/main_window.h"

void CreateProgramObjects() {}
void ExitRoutine() {}

void InitMainWindow() {
  toolkit::SeedRandom();
  coreCount = DrawSimulatedCoreCount();
  ShowSimulatedCpuUsage();
  RunCommonStartupSteps();
}

void OnLoadTimer() { OnLoadTimerSimulated(); }
