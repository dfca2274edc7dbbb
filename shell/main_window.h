// The main window's process-wide state and the start-up of both programs.
#pragma once

#include <cstdint>

#include "platform/controls.h"

// Written once during start-up; read by the load readings on worker threads.
extern std::int32_t coreCount;
// Changed only by the window buttons, on the user-interface thread.
extern std::int32_t opacityLevel;
extern std::int32_t weatherPeriodMinutes;
// The processor-affinity mask the process started with; the temperature readers put the
// process back on it after pinning it to one processor after another.
extern std::uint32_t savedAffinityMask;

// The program entry of both programs: builds the window, runs start-up and the message
// loop, and returns the exit code.
int RunProgram();

// The window-created handler. Each program has its own (startup_live.cpp, startup_sim.cpp).
void InitMainWindow();

// The start-up steps both programs share, run by InitMainWindow after its readings:
// the clock timer, the skin, the buttons' starting values, the animation and the colours.
void RunCommonStartupSteps();

// Program-specific pieces around the window (startup_live.cpp, startup_sim.cpp).
void CreateProgramObjects();  // before the window loads
void ExitRoutine();           // once, at process exit
void OnLoadTimer();           // each tick of 时钟_cpu占用
