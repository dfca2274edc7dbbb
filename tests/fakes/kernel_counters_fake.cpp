#include "tests/fakes/kernel_counters_fake.h"

#include <cstring>

#include "load/kernel_counters.h"

namespace fake {
KernelState kernelState;
}  // namespace fake

using fake::kernelState;

namespace kernel {

namespace {

constexpr std::int32_t kInfoLengthMismatch = static_cast<std::int32_t>(0xC0000004);

void Put(GlobalBuffer& buffer, std::uint32_t offset, std::int64_t value) {
  auto bits = static_cast<std::uint64_t>(value);
  for (int k = 0; k < 8; ++k) buffer.data()[offset + k] = static_cast<std::uint8_t>(bits >> (8 * k));
}

}  // namespace

std::uint32_t NativeProcessorCount() { return kernelState.processorCount; }

GlobalBuffer::GlobalBuffer(std::uint32_t length) : data_(new std::uint8_t[length]()), length_(length) {
  ++kernelState.buffersTaken;
}

GlobalBuffer::~GlobalBuffer() {
  delete[] data_;
  ++kernelState.buffersReleased;
}

// Like the kernel, a buffer shorter than the class's record is refused.
std::int32_t QuerySystemInformation(std::uint32_t infoClass, GlobalBuffer& buffer) {
  kernelState.queries.emplace_back(infoClass, buffer.length());
  if (infoClass == 3) {
    if (buffer.length() < 48) return kInfoLengthMismatch;
    if (kernelState.timeOfDayStatus != 0) return kernelState.timeOfDayStatus;
    Put(buffer, 0, kernelState.bootTime);
    Put(buffer, 8, kernelState.systemTime);
    return 0;
  }
  if (infoClass == 2) {
    if (buffer.length() < 344) return kInfoLengthMismatch;
    if (kernelState.performanceStatus != 0) return kernelState.performanceStatus;
    Put(buffer, 0, kernelState.idleTime);
    return 0;
  }
  return static_cast<std::int32_t>(0xC0000003);  // invalid information class
}

}  // namespace kernel
