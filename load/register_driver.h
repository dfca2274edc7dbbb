// What the temperature probe needs of the CPU register driver library (WinRing0.dll beside
// the program): preparing it, and reading a model-specific register on the processor the
// calling thread runs on.
//
// load/register_driver_win32.cpp binds the library by name; tests/fakes/ has a scripted one.
#pragma once

#include <cstdint>

namespace driver {

// Prepares the library for register reads. Its result is of no use to the probe.
void InitializeOls();

// Reads register `index`: on success the low 32 bits go to `low` and the high 32 bits to
// `high`; on failure both are left untouched.
void Rdmsr(std::uint32_t index, std::uint32_t& low, std::uint32_t& high);

}  // namespace driver
