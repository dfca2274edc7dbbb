// The window's timers: a Win32 timer of the main window per running timer, its ID the
// timer's control number; each tick raises the window's timer event (window_win32.cpp).
#include <map>

#include "platform/win32/widgets.h"

namespace platform {

namespace {

// The current period of each timer; a timer not listed is stopped. UI thread only.
std::map<Control, int> periods;

void Apply(HWND mainWindow, Control timer, int milliseconds) {
  const UINT_PTR id = UINT_PTR(timer);
  if (milliseconds == 0) {
    periods.erase(timer);
    KillTimer(mainWindow, id);
    return;
  }
  periods[timer] = milliseconds;
  SetTimer(mainWindow, id, UINT(milliseconds), nullptr);  // replaces and restarts a running one
}

}  // namespace

void StartDesignTimers(HWND mainWindow, const std::vector<ControlDesign>& controls) {
  periods.clear();
  for (const ControlDesign& control : controls) {
    if (control.kind == ControlKind::Timer && control.periodMs > 0) {
      Apply(mainWindow, control.id, control.periodMs);
    }
  }
}

}  // namespace platform

namespace toolkit {

void SetTimerPeriod(Control timer, int milliseconds) {
  if (milliseconds < 0) milliseconds = 0;
  platform::OnUiThread([&] {
    HWND mainWindow = platform::MainWindow();
    if (!mainWindow) return;
    auto running = platform::periods.find(timer);
    const int current = running == platform::periods.end() ? 0 : running->second;
    if (current == milliseconds) return;  // the countdown goes on undisturbed
    platform::Apply(mainWindow, timer, milliseconds);
  });
}

}  // namespace toolkit
