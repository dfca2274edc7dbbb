#include "load/panel_text.h"

#include "platform/runtime.h"

Text PercentText(long long value) { return toolkit::NumberToText(value) + "%"; }

Text CoreTemperatureText(std::int32_t cores, std::int32_t a, std::int32_t b) {
  Text prefix = toolkit::NumberToText(static_cast<long long>(cores));
  if (a == 0 && b == 0) return prefix + "核CPU：出错  ";
  long long t;
  if (a == 0) {
    t = b;
  } else if (b == 0) {
    t = a;
  } else {
    // Halved in floating point and taken toward negative infinity: -27 and 50 give 11.
    t = toolkit::Floor((static_cast<double>(a) + b) / 2);
  }
  return prefix + "核CPU：" + toolkit::NumberToText(t) + "℃  ";
}

Text MemoryLoadText(long long load) { return "内存:" + toolkit::NumberToText(load) + "%"; }
