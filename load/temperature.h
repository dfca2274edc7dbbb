// The CPU temperature, from the thermal status register of the logical processors, read
// through the register driver library. 0 always means "no reading".
#pragma once

#include <cstdint>

// Once at start-up, on the user-interface thread: takes the processor count from
// NUMBER_OF_PROCESSORS (for the affinity masks), prepares the driver library and primes
// the register slots with one read.
void InitTemperatureProbe();

// Both readers pin the process to one logical processor after another (coreCount passes)
// and give the temperature of the last pass, or 0. They differ in the processors they
// visit and the width of the readout they take. Called from the load-refresh thread,
// strided first.
std::int32_t ReadTemperatureStrided();
std::int32_t ReadTemperatureSequential();
