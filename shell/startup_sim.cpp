// Start-up of veskara-sim: random load readings in place of the live ones.
#include "platform/runtime.h"
#include "platform/toolkit.h"
#include "shell/main_window.h"

void CreateProgramObjects() {}
void ExitRoutine() {}

void InitMainWindow() {
  toolkit::SeedRandom();
  coreCount = toolkit::Random(3, 12);
  toolkit::SetCaption(Control::标签_cpu占用率, toolkit::NumberToText(toolkit::Random(12, 100)) + "%");
  RunCommonStartupSteps();
}

void OnLoadTimer() {}
