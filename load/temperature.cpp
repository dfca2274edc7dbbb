#include "load/temperature.h"

#include <mutex>

#include "load/process_affinity.h"
#include "load/register_driver.h"
#include "shell/main_window.h"
#include "platform/text.h"
#include "platform/toolkit.h"

namespace {

constexpr std::uint32_t kThermalStatus = 0x19C;         // the only register whose value is used
constexpr std::uint32_t kPackageThermalStatus = 0x1B1;  // read once before the passes
constexpr std::uint32_t kPerformanceStatus = 0x199;     // read after each strided pass

// The probe's process-wide state. The lock keeps one reader (or the start-up priming read)
// at a time on the slots and on the process affinity.
std::mutex probeLock;
// NUMBER_OF_PROCESSORS as read at start-up: the length of the all-zero mask template.
long long maskTemplateLength = 0;
// The last successful register read; a failed read leaves them as they were.
std::uint32_t registerLow = 0;
std::uint32_t registerHigh = 0;

void ReadRegister(std::uint32_t index) { driver::Rdmsr(index, registerLow, registerHigh); }

// The mask template with character `position` (1-based from the left) turned into "1",
// read as a base-2 number: only bit (length - position) can be set, so position 1 is the
// highest-numbered processor. A position past the template turns nothing, and a bit above
// 31 is lost; both give 0. Computed rather than spelled out, so an absurd
// NUMBER_OF_PROCESSORS costs no memory.
std::uint32_t ProcessorMask(long long position) {
  if (position < 1 || position > maskTemplateLength) return 0;
  long long bit = maskTemplateLength - position;
  return bit > 31 ? 0 : std::uint32_t{1} << bit;
}

// The value as upper-case hexadecimal without leading zeros, each digit written as its
// four base-2 digits: 32 characters only when bit 31 is set.
Text HexDigitsInBase2(std::uint32_t value) {
  int digits = 1;
  while (digits < 8 && (value >> (4 * digits)) != 0) ++digits;
  Text bits;
  for (int bit = 4 * digits - 1; bit >= 0; --bit) bits += ((value >> bit) & 1) ? '1' : '0';
  return bits;
}

// Characters `first` to 16 of that text (fewer when it is shorter) read as base 2.
std::uint32_t Readout(std::uint32_t low, int first) {
  std::uint32_t readout = 0;
  for (char c : Mid(HexDigitsInBase2(low), first, 16 - first + 1)) readout = readout * 2 + (c == '1');
  return readout;
}

std::int32_t TemperatureFromReadout(std::uint32_t readout) {
  return readout == 0 ? 0 : 100 - static_cast<std::int32_t>(readout);
}

struct ReaderShape {
  int positionStep;        // 2 visits every other position, 1 every position
  int firstReadoutChar;    // where the readout field begins in the base-2 text
  bool readsPerformanceStatus;
};

std::int32_t ReadTemperature(const ReaderShape& shape) {
  std::lock_guard<std::mutex> lock(probeLock);
  ReadRegister(kPackageThermalStatus);
  std::int32_t passes = coreCount;
  std::int32_t temperature = 0;
  for (std::int32_t i = 1; i <= passes; ++i) {
    affinity::SetProcessAffinity(ProcessorMask(1LL * shape.positionStep * (i - 1) + 1));
    ReadRegister(kThermalStatus);
    temperature = TemperatureFromReadout(Readout(registerLow, shape.firstReadoutChar));
    if (shape.readsPerformanceStatus) ReadRegister(kPerformanceStatus);
  }
  // Never leave the process (the user-interface thread included) pinned to one processor.
  if (passes >= 1) affinity::SetProcessAffinity(savedAffinityMask);
  return temperature;
}

}  // namespace

void InitTemperatureProbe() {
  std::lock_guard<std::mutex> lock(probeLock);
  maskTemplateLength = LeadingInteger(Trim(toolkit::EnvironmentVariable("NUMBER_OF_PROCESSORS")));
  driver::InitializeOls();
  ReadRegister(kThermalStatus);
}

std::int32_t ReadTemperatureStrided() {
  // Positions 1, 3, 5, ...: one logical processor of each pair; bits 24 to 16.
  return ReadTemperature({2, 8, true});
}

std::int32_t ReadTemperatureSequential() {
  // Positions 1, 2, 3, ...; bits 22 to 16, the digital readout.
  return ReadTemperature({1, 10, false});
}
