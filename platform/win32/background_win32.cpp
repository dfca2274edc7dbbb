#include <algorithm>

#include "platform/background_fit.h"
#include "platform/image.h"
#include "platform/win32/widgets.h"

namespace platform {

namespace {

// The background picture already at its drawn size, and where it goes in the client area.
// UI thread only.
struct PreparedBackground {
  UniqueBitmap bitmap;
  PixelRect place;
};
PreparedBackground background;

}  // namespace

void PrepareBackground(const Bytes& encoded, int clientWidth, int clientHeight) {
  background = {};
  Image picture = DecodeImage(encoded);
  if (picture.Empty()) return;
  PixelRect place = FitBackground(clientWidth, clientHeight, picture.width, picture.height);
  int width = place.right - place.left, height = place.bottom - place.top;
  background.bitmap = MakeBitmap(
      ScaleForDrawing(picture.frames.front().bgra, picture.width, picture.height, width, height));
  background.place = place;
}

void DropBackground() { background = {}; }

void PaintBackground(HDC dc, const RECT& area) {
  FillSolid(dc, RECT{0, 0, area.right - area.left, area.bottom - area.top},
            GetSysColor(COLOR_BTNFACE));
  if (!background.bitmap) return;
  // Only the part of the picture inside the area is blended.
  const PixelRect& p = background.place;
  const int left = std::max<int>(area.left, p.left), right = std::min<int>(area.right, p.right);
  const int top = std::max<int>(area.top, p.top), bottom = std::min<int>(area.bottom, p.bottom);
  if (left >= right || top >= bottom) return;
  BlendBitmap(dc, left - area.left, top - area.top, background.bitmap.get(), right - left,
              bottom - top, left - p.left, top - p.top);
}

}  // namespace platform
