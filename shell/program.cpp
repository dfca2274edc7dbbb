#include <cstdlib>

#include "platform/window_design.h"
#include "shell/layout.h"
#include "shell/main_window.h"

std::int32_t coreCount = 0;
std::int32_t opacityLevel = 255;
std::int32_t weatherPeriodMinutes = 2;
std::uint32_t savedAffinityMask = 0;

namespace {

void OnTimer(Control timer) {
  switch (timer) {
    case Control::时钟_cpu占用: OnLoadTimer(); break;
    default: break;
  }
}

void OnClick(Control) {}

void RunExitRoutine() { ExitRoutine(); }

}  // namespace

int RunProgram() {
  CreateProgramObjects();
  std::atexit(RunExitRoutine);
  WindowEvents events;
  events.created = InitMainWindow;
  events.timer = OnTimer;
  events.click = OnClick;
  return toolkit::RunMainWindow(MainWindowDesign(), events);
}
