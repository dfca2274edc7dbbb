#include "tests/fakes/toolkit_fake.h"

namespace fake {
ToolkitState state;
void Reset() { state = ToolkitState{}; }
}  // namespace fake

using fake::state;

namespace toolkit {

Text Caption(Control control) {
  auto it = state.captions.find(control);
  return it == state.captions.end() ? Text{} : it->second;
}
void SetCaption(Control control, const Text& caption) { state.captions[control] = caption; }
void SetTip(Control button, const Text& tip) { state.tips[button] = tip; }
void SetTextColour(Control label, Colour colour) { state.textColours[label] = colour; }
void SetBackColour(Control control, Colour colour) { state.backColours[control] = colour; }
void SetPicture(Control pictureBox, const Bytes& encoded) { state.pictures[pictureBox] = encoded; }

void SetTimerPeriod(Control timer, int milliseconds) {
  if (milliseconds < 0) milliseconds = 0;
  int& period = state.timerPeriods[timer];
  if (period == milliseconds) return;
  period = milliseconds;
  if (milliseconds != 0) state.timerRestarts.push_back(timer);
}

void SetTopmost(bool onTop) { state.topmost = onTop; }
void SetOpacity(int level) { state.opacityLevels.push_back(level < 0 || level > 255 ? 255 : level); }
void SetShapeFromPicture(const Bytes& encoded, Colour seeThrough) {
  state.shape = encoded;
  state.shapeSeeThrough = seeThrough;
}

void StartThread(ThreadRoutine routine, std::int32_t argument) {
  state.threadsStarted.emplace_back(routine, argument);
  if (state.runThreadsInline) routine(argument);
}
void ProcessPendingEvents() { ++state.pendingEventRounds; }
void Beep() { ++state.beeps; }
LocalDateTime Now() { return state.now; }
std::uint32_t TickCount() { return state.tickCount; }
Text RunDirectory() { return state.runDirectory; }
Text EnvironmentVariable(const Text& name) {
  auto it = state.environment.find(name);
  return it == state.environment.end() ? Text{} : it->second;
}

}  // namespace toolkit
