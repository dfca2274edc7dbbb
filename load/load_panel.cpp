#include "load/load_panel.h"

#include <atomic>

#include "load/cpu_usage.h"
#include "load/memory_status.h"
#include "load/panel_text.h"
#include "shell/main_window.h"
#include "load/temperature.h"
#include "platform/toolkit.h"

namespace {

std::atomic<bool> refreshRunning{false};

void RunRefresh(std::int32_t) {
  // Two ticks may start threads before either has taken over; the later one leaves.
  bool idle = false;
  if (!refreshRunning.compare_exchange_strong(idle, true)) return;
  RefreshLoadPanel();
  refreshRunning.store(false);
}

}  // namespace

void ShowCpuUsage() { toolkit::SetCaption(Control::标签_cpu占用率, PercentText(SampleCpuUsage())); }

void RefreshLoadPanel() {
  ShowCpuUsage();
  std::int32_t strided = ReadTemperatureStrided();
  std::int32_t sequential = ReadTemperatureSequential();
  toolkit::SetCaption(Control::标签_占用率统计, CoreTemperatureText(coreCount, strided, sequential));
  RefreshMemoryLoad();
}

void RefreshMemoryLoad() {
  toolkit::SetCaption(Control::标签_占用率统计1, MemoryLoadText(memory::MemoryLoadPercent()));
}

void OnLoadTimerLive() {
  // The running refresh marks itself, so a thread that could not be started never leaves
  // the panel waiting for a refresh that does not come.
  if (refreshRunning.load()) return;
  toolkit::StartThread(RunRefresh);
}
