// Decoding of encoded pictures (PNG, JPEG, GIF with its animation, BMP, ICO) from memory
// into plain pixels. Used for the skin, the background, the animation and the weather icon.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/text.h"

struct ImageFrame {
  // width * height pixels, top row first, 4 bytes each in the order B, G, R, A
  // (straight, not premultiplied alpha): the layout of a 32-bit top-down Windows bitmap.
  std::vector<std::uint8_t> bgra;
  int delayMs = 0;  // how long the frame shows in an animation; 0 for a still picture
};

struct Image {
  int width = 0;
  int height = 0;
  std::vector<ImageFrame> frames;  // one for a still picture; empty when decoding failed
  bool Empty() const { return frames.empty(); }
};

// Never throws and never reads outside `encoded`: bytes in no known format, or broken
// bytes, give an empty image.
Image DecodeImage(const Bytes& encoded);
