#include "load/simulated.h"

#include "load/panel_text.h"
#include "shell/main_window.h"
#include "platform/runtime.h"
#include "platform/toolkit.h"

std::int32_t DrawSimulatedCoreCount() { return toolkit::Random(3, 12); }

void ShowSimulatedCpuUsage() {
  toolkit::SetCaption(Control::标签_cpu占用率, PercentText(toolkit::Random(12, 100)));
}

void SimulateLoadPanel() {
  ShowSimulatedCpuUsage();
  std::int32_t a = toolkit::Random(30, 100);
  std::int32_t b = toolkit::Random(30, 100);
  toolkit::SetCaption(Control::标签_占用率统计, CoreTemperatureText(coreCount, a, b));
  toolkit::SetCaption(Control::标签_占用率统计1, MemoryLoadText(toolkit::Random(12, 100)));
}

void OnLoadTimerSimulated() {
  toolkit::SeedRandom();
  SimulateLoadPanel();
}
