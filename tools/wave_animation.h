// The looping line animation shown in the middle band: 534 x 598, 71 frames.
#pragma once

#include "tools/art_files.h"

Animation DrawWaveAnimation();
