// Setting the processors the whole process may run on.
//
// load/process_affinity_win32.cpp is the real implementation; tests/fakes/ has a
// recording one.
#pragma once

#include <cstdint>

namespace affinity {

// Bit k of `mask` allows logical processor k. A mask of 0, or one naming a processor the
// system does not have, leaves the affinity as it was.
void SetProcessAffinity(std::uint32_t mask);

}  // namespace affinity
