// Writing the drawn pictures to disk in the two formats the widget embeds. Both writers
// produce the same bytes for the same pixels on every run: no time stamps, fixed settings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// A still picture: width * height colours, top row first.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;

  Picture(int w, int h, Rgb fill) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
  Rgb& At(int x, int y) { return pixels[std::size_t(y) * width + x]; }
  const Rgb& At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

// An animation over a shared palette of at most 256 colours: each frame holds
// width * height palette indices, top row first, and shows for delayCentiseconds.
struct Animation {
  int width = 0;
  int height = 0;
  std::vector<Rgb> palette;
  struct Frame {
    std::vector<std::uint8_t> indices;
    int delayCentiseconds = 0;
  };
  std::vector<Frame> frames;
};

// PNG, 8-bit RGBA with every pixel opaque. Returns false when the file cannot be written.
bool WritePng(const std::string& path, const Picture& picture);

// GIF89a of full frames that repeats forever. Returns false when the file cannot be
// written.
bool WriteGif(const std::string& path, const Animation& animation);
