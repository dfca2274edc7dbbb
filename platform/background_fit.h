// Where the background picture goes in the client area: centred, and shrunk to fit when
// it is larger than the client area in either direction (never enlarged).
#pragma once

#include "platform/skin_region.h"

PixelRect FitBackground(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight);
