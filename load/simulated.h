// The simulated load readings of veskara-sim: random numbers in the load panel, drawn from
// the toolkit's generator on the user-interface thread.
#pragma once

#include <cstdint>

// A core count from 3 to 12, drawn once at start-up.
std::int32_t DrawSimulatedCoreCount();

// Sets 标签_cpu占用率 to a random 12 to 100 and "%" (start-up and every tick).
void ShowSimulatedCpuUsage();

// One refresh: CPU 12..100, two temperatures 30..100 combined with coreCount, memory 12..100.
void SimulateLoadPanel();

// The tick of 时钟_cpu占用: reseeds the generator from the clock, then SimulateLoadPanel.
void OnLoadTimerSimulated();
