// The widget's own colours, shared by every picture the generator draws.
#pragma once

#include "tools/art_files.h"

inline constexpr Rgb kSeeThrough{255, 255, 255};  // the skin's colour for "not window"
inline constexpr Rgb kDiscColour{223, 230, 240};  // the light face, 0xF0E6DF
inline constexpr Rgb kRingColour{68, 68, 68};     // the ring and credit labels, 0x444444
