// Seven-segment digits: how the clock labels draw their time when their decorative LCD
// face is not installed, so the clock still reads as a digital clock on any system.
#pragma once

#include <vector>

#include "platform/polygon_mask.h"
#include "platform/text.h"
#include "platform/window_design.h"

// True when every character of `text` has a segment shape: the digits, ':', '-', '.'
// and the space.
bool SevenSegmentCanShow(const Text& text);

// The lit segments of `text` as polygons in the coordinates of a box of boxWidth ×
// boxHeight pixels. Digits are as tall as the digits of a font of `fontHeight` pixels
// (character height), all of one width so a running clock does not shift, slightly slanted;
// the row is centred vertically, placed horizontally by `align`, and shrunk when it would
// not fit the box. Characters without a shape are skipped.
std::vector<Outline> SevenSegmentShapes(const Text& text, int boxWidth, int boxHeight,
                                        int fontHeight, TextAlign align);
