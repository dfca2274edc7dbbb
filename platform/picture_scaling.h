// Pictures made ready for drawing at a fixed size: the background picture shrunk to the
// client area, a picture box's frames stretched to the box.
#pragma once

#include <cstdint>
#include <vector>

// Pixels for alpha blending: width * height pixels, top row first, B, G, R, A with the
// colour premultiplied by alpha (what an alpha-blending draw of a 32-bit bitmap expects).
struct PremultipliedPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bgra;
};

// `bgra` (straight alpha, the layout DecodeImage gives) of width × height pixels scaled to
// newWidth × newHeight, aspect ratio not kept. Shrinking averages the area each new pixel
// covers; enlarging interpolates linearly. Colours are weighted by alpha, so transparent
// pixels never tint their neighbours. Non-positive or inconsistent sizes give no pixels.
PremultipliedPixels ScaleForDrawing(const std::vector<std::uint8_t>& bgra, int width, int height,
                                    int newWidth, int newHeight);
