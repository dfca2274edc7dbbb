#include <windows.h>

#include "platform/system.h"

namespace platform {

std::uint32_t ProcessAffinityMask() {
  DWORD_PTR process = 0, system = 0;
  if (!GetProcessAffinityMask(GetCurrentProcess(), &process, &system)) return 0;
  return static_cast<std::uint32_t>(process);
}

}  // namespace platform
