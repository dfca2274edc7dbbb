#include <windows.h>

#include "load/register_driver.h"
#include "platform/win32/bind.h"

namespace driver {

namespace {

// The driver library's two functions, with the Windows API calling convention.
using InitializeOlsFunction = BOOL(WINAPI*)();
using RdmsrFunction = BOOL(WINAPI*)(DWORD index, PDWORD low, PDWORD high);

constexpr const char* kLibrary = "WinRing0.dll";
const platform::LibraryFunction<InitializeOlsFunction> initializeOls{kLibrary, "InitializeOls"};
const platform::LibraryFunction<RdmsrFunction> rdmsr{kLibrary, "Rdmsr"};

}  // namespace

void InitializeOls() { initializeOls(); }

void Rdmsr(std::uint32_t index, std::uint32_t& low, std::uint32_t& high) {
  // The library leaves both halves untouched when it cannot read; so do we.
  DWORD lowHalf = low, highHalf = high;
  rdmsr(DWORD{index}, &lowHalf, &highHalf);
  low = lowHalf;
  high = highHalf;
}

}  // namespace driver
