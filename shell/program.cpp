#include <cstdlib>

#include "clock/clock_tick.h"
#include "platform/window_design.h"
#include "shell/layout.h"
#include "shell/main_window.h"

namespace {

void OnTimer(Control timer) {
  switch (timer) {
    case Control::时钟1: ClockTick(); break;
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
