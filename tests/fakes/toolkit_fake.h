// The recording toolkit for host tests: every write lands in `fake::state`, which a test
// resets, arranges (now, environment, captions) and inspects.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/toolkit.h"

namespace fake {

struct ToolkitState {
  std::map<Control, Text> captions;
  std::map<Control, Text> tips;
  std::map<Control, Colour> textColours;
  std::map<Control, Colour> backColours;
  std::map<Control, Bytes> pictures;
  std::map<Control, int> timerPeriods;
  std::vector<Control> timerRestarts;  // every set that restarted a countdown, in order
  bool topmost = false;
  std::vector<int> opacityLevels;      // every level applied, in order
  Bytes shape;
  Colour shapeSeeThrough = 0;
  int beeps = 0;
  int pendingEventRounds = 0;
  std::vector<std::pair<toolkit::ThreadRoutine, std::int32_t>> threadsStarted;
  bool runThreadsInline = false;       // run a started routine at once on the caller
  LocalDateTime now{2021, 4, 18, 9, 5, 7};
  std::uint32_t tickCount = 0;
  Text runDirectory = "C:\\veskara";
  std::map<Text, Text> environment;
};

extern ToolkitState state;

// Back to a fresh state: no captions, timers stopped, the default now.
void Reset();

}  // namespace fake
