// Writes GIFs for tests and benchmarks with giflib's encoder, frame by frame as described,
// so a test can say exactly which offsets, colour maps, transparency and disposal it needs.
#pragma once

#include <gif_lib.h>

#include <vector>

#include "platform/text.h"

namespace gif_writer {

struct Frame {
  int left, top, width, height;
  std::vector<GifPixelType> pixels;  // top row first
  int disposal = DISPOSAL_UNSPECIFIED;
  int delayCs = 0;
  int transparent = NO_TRANSPARENT_COLOR;
  std::vector<GifColorType> localColours;  // a power of two of them, or none
  bool interlace = false;
};

inline int AppendToBytes(GifFileType* gif, const GifByteType* data, int length) {
  auto* out = static_cast<Bytes*>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

// `colours` is the global colour map (a power of two of them). Empty bytes on failure.
inline Bytes Write(int width, int height, std::vector<GifColorType> colours,
                   const std::vector<Frame>& frames) {
  Bytes out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, AppendToBytes, &error);
  if (!gif) return {};
  bool ok = true;
  EGifSetGifVersion(gif, true);
  ColorMapObject* global = GifMakeMapObject(int(colours.size()), colours.data());
  ok = ok && EGifPutScreenDesc(gif, width, height, 8, 0, global) == GIF_OK;
  GifFreeMapObject(global);
  for (Frame frame : frames) {
    const GraphicsControlBlock control{frame.disposal, false, frame.delayCs, frame.transparent};
    GifByteType extension[4];
    const int length = int(EGifGCBToExtension(&control, extension));
    ok = ok && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, length, extension) == GIF_OK;
    ColorMapObject* local =
        frame.localColours.empty()
            ? nullptr
            : GifMakeMapObject(int(frame.localColours.size()), frame.localColours.data());
    ok = ok && EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height,
                                frame.interlace, local) == GIF_OK;
    GifFreeMapObject(local);
    std::vector<int> order;  // interlaced rows are stored in four passes
    const int passes[][2] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}};
    for (const auto& [start, step] : passes) {
      for (int y = start; y < frame.height; y += frame.interlace ? step : 1) order.push_back(y);
      if (!frame.interlace) break;
    }
    for (int y : order)
      ok = ok && EGifPutLine(gif, frame.pixels.data() + y * frame.width, frame.width) == GIF_OK;
  }
  ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
  return ok ? out : Bytes{};
}

}  // namespace gif_writer
