// The toolkit's portable services: the per-thread random generator, number to text, floor.
#pragma once

#include <cstdint>

#include "platform/text.h"

namespace toolkit {

// Per-thread generator: an unseeded thread always starts from the same state.
void SeedRandom();                     // from the tick count
void SeedRandom(std::uint32_t seed);
int RandomValue();                     // 0..32767
// a + (r mod (b - a + 1)), both ends included; negative bounds count as 0 and the bounds
// are swapped when b < a.
int Random(int a, int b);

Text NumberToText(long long value);  // decimal, "-" for negatives
inline Text NumberToText(int value) { return NumberToText(static_cast<long long>(value)); }
Text NumberToText(double value);     // 13 significant digits
long long Floor(double value);       // greatest integer not above the value

}  // namespace toolkit
