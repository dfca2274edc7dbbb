// Start-up of veskara: live readings of the machine.
#include "platform/system.h"
#include "platform/toolkit.h"
#include "shell/main_window.h"

void CreateProgramObjects() {}
void ExitRoutine() {}

void InitMainWindow() {
  // The affinity the process starts with, for the temperature readers to return to.
  savedAffinityMask = platform::ProcessAffinityMask();
  RunCommonStartupSteps();
}

void OnLoadTimer() {}
