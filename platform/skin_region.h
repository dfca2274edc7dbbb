// The window's shape from a picture: every maximal run of pixels in a row whose colour
// differs from the see-through colour becomes one rectangle one pixel high.
#pragma once

#include <vector>

#include "platform/image.h"
#include "platform/toolkit.h"

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  bool operator==(const PixelRect&) const = default;
};

// Runs of the picture's first frame, row by row from the top, left to right. The
// comparison is exact on RGB; alpha is ignored. An empty picture has no runs.
std::vector<PixelRect> SkinRuns(const Image& picture, Colour seeThrough);
