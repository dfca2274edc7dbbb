#include <windows.h>

#include "load/memory_status.h"
#include "platform/win32/bind.h"

namespace memory {

namespace {

const platform::LibraryFunction<decltype(&::GlobalMemoryStatusEx)> globalMemoryStatusEx{
    "kernel32.dll", "GlobalMemoryStatusEx"};

static_assert(sizeof(MEMORYSTATUSEX) == 64 && offsetof(MEMORYSTATUSEX, dwMemoryLoad) == 4,
              "the memory status record");

}  // namespace

std::uint32_t MemoryLoadPercent() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  globalMemoryStatusEx(&status);  // a failure leaves the record zeroed: load 0
  // No system can be loaded above 100 %. Wine reports such loads to a 32-bit process on a
  // host with more memory than it can address (a capped total against the uncapped
  // available memory); they are shown like a failed call rather than as a huge number.
  return status.dwMemoryLoad <= 100 ? status.dwMemoryLoad : 0;
}

}  // namespace memory
