#include <windows.h>

#include "load/process_affinity.h"
#include "platform/win32/bind.h"

namespace affinity {

namespace {

const platform::LibraryFunction<decltype(&::SetProcessAffinityMask)> setProcessAffinityMask{
    "kernel32.dll", "SetProcessAffinityMask"};

// The current-process pseudo handle.
HANDLE const kThisProcess = reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-1));

}  // namespace

void SetProcessAffinity(std::uint32_t mask) {
  // A refused mask leaves the affinity as it was, which is all the readers need.
  setProcessAffinityMask(kThisProcess, mask);
}

}  // namespace affinity
