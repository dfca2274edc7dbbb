// The controls of the main window, numbered as in the window's layout table. The number
// is also the control ID of the child window that shows a visible control, so UI
// automation and screen readers find each one by it.
#pragma once

enum class Control : int {
  标签_天气指数 = 1,
  标签_地区 = 2,
  超级按钮_置顶 = 3,
  标签_占用率统计1 = 4,
  标签_占用率统计 = 5,
  标签_cpu占用率 = 6,
  时钟_cpu占用 = 7,
  标签_天气1 = 8,
  时钟_天气 = 9,
  超级按钮_时钟_增 = 10,
  超级按钮_时钟_减 = 11,
  图片框2 = 12,
  标签_实时 = 13,
  标签_day2 = 14,
  标签_day1 = 15,
  超级按钮_透明度_增加 = 16,
  超级按钮_透明度_降低 = 17,
  标签_time = 18,
  标签_time1 = 19,
  农历月历1 = 20,
  标签_day = 21,
  图片框1 = 22,
  时钟1 = 23,
  标签_天气2 = 24,
};

constexpr int kControlCount = 24;
