#include <windows.h>
#include <winternl.h>

#include "load/kernel_counters.h"
#include "platform/win32/bind.h"

namespace kernel {

namespace {

const platform::LibraryFunction<decltype(&::GetNativeSystemInfo)> getNativeSystemInfo{
    "kernel32.dll", "GetNativeSystemInfo"};
const platform::LibraryFunction<decltype(&::GlobalAlloc)> globalAlloc{"kernel32.dll", "GlobalAlloc"};
const platform::LibraryFunction<decltype(&::GlobalFree)> globalFree{"kernel32.dll", "GlobalFree"};
const platform::LibraryFunction<decltype(&::NtQuerySystemInformation)> ntQuerySystemInformation{
    "ntdll.dll", "NtQuerySystemInformation"};

constexpr UINT kFixedZeroed = 0x40;  // GMEM_FIXED | GMEM_ZEROINIT

static_assert(sizeof(SYSTEM_INFO) == 36 && offsetof(SYSTEM_INFO, dwNumberOfProcessors) == 20,
              "the 32-bit native system information record");

}  // namespace

std::uint32_t NativeProcessorCount() {
  SYSTEM_INFO info{};
  getNativeSystemInfo(&info);
  return info.dwNumberOfProcessors;
}

GlobalBuffer::GlobalBuffer(std::uint32_t length)
    : data_(static_cast<std::uint8_t*>(static_cast<void*>(globalAlloc(kFixedZeroed, length)))),
      length_(length) {}

GlobalBuffer::~GlobalBuffer() {
  if (data_) globalFree(static_cast<HGLOBAL>(data_));
}

std::int32_t QuerySystemInformation(std::uint32_t infoClass, GlobalBuffer& buffer) {
  ULONG returnLength = 0;  // not needed: the buffers have the records' full lengths
  return ntQuerySystemInformation(static_cast<SYSTEM_INFORMATION_CLASS>(infoClass), buffer.data(),
                                  buffer.length(), &returnLength);
}

}  // namespace kernel
