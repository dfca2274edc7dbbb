// The live load panel of veskara: CPU usage, cores with the CPU temperature, memory load.
#pragma once

// Sets 标签_cpu占用率 to a fresh CPU usage sample and "%". Start-up calls it once for the
// first sample; every refresh calls it again.
void ShowCpuUsage();

// One refresh of the three load labels, on a load-refresh thread: CPU usage, both
// temperature readers combined with coreCount, then RefreshMemoryLoad.
void RefreshLoadPanel();

// Sets 标签_占用率统计1 to "内存:", the memory load and "%".
void RefreshMemoryLoad();

// The tick of 时钟_cpu占用: starts a thread running RefreshLoadPanel and returns at once.
// A tick that comes while the previous refresh still runs is skipped, so two refreshes
// never fight over the process affinity that the temperature readers change.
void OnLoadTimerLive();
