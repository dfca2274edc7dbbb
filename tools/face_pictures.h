// The two still pictures of the widget's face, 340 x 340.
#pragma once

#include "tools/art_files.h"

// White outside the disc: the window keeps every pixel that is not exactly white.
Picture DrawSkin();

// The same disc with the dividers between the bands and a few guide lines.
Picture DrawBackground();
