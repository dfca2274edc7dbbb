// What the CPU usage sampler needs of the kernel: the processor count of the native system
// information, buffers from the global heap, and system information queries by class.
//
// load/kernel_counters_win32.cpp is the real implementation; tests/fakes/ has a scripted one.
#pragma once

#include <cstdint>

namespace kernel {

// dwNumberOfProcessors of a freshly zeroed native system information record.
std::uint32_t NativeProcessorCount();

// A fixed, zero-initialised block of the global heap, released when it goes out of scope.
// data() is null when the block could not be taken.
class GlobalBuffer {
 public:
  explicit GlobalBuffer(std::uint32_t length);
  ~GlobalBuffer();
  GlobalBuffer(const GlobalBuffer&) = delete;
  GlobalBuffer& operator=(const GlobalBuffer&) = delete;

  std::uint8_t* data() const { return data_; }
  std::uint32_t length() const { return length_; }

 private:
  std::uint8_t* data_;
  std::uint32_t length_;
};

// Fills the buffer with the system information of `infoClass`; returns the kernel's status,
// 0 on success.
std::int32_t QuerySystemInformation(std::uint32_t infoClass, GlobalBuffer& buffer);

}  // namespace kernel
