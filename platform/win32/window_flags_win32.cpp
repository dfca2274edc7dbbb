// The main window's look as a whole: always on top, constant opacity, shape.
#include "platform/image.h"
#include "platform/skin_region.h"
#include "platform/win32/widgets.h"

namespace platform {

namespace {

// One region made of the picture's runs, in a single call rather than a union per run.
UniqueRegion RegionOfRuns(const std::vector<PixelRect>& runs) {
  std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
  auto* region = reinterpret_cast<RGNDATA*>(data.data());
  region->rdh.dwSize = sizeof(RGNDATAHEADER);
  region->rdh.iType = RDH_RECTANGLES;
  region->rdh.nCount = DWORD(runs.size());
  region->rdh.nRgnSize = DWORD(runs.size() * sizeof(RECT));
  RECT bounds{0, 0, 0, 0};
  auto* rects = reinterpret_cast<RECT*>(region->Buffer);
  for (std::size_t i = 0; i < runs.size(); ++i) {
    rects[i] = RECT{runs[i].left, runs[i].top, runs[i].right, runs[i].bottom};
    UnionRect(&bounds, &bounds, &rects[i]);
  }
  region->rdh.rcBound = bounds;
  return UniqueRegion(ExtCreateRegion(nullptr, DWORD(data.size()), region));
}

}  // namespace

}  // namespace platform

namespace toolkit {

void SetTopmost(bool onTop) {
  platform::OnUiThread([&] {
    HWND window = platform::MainWindow();
    if (!window) return;
    constexpr UINT kZOrderOnly = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    // Wine keeps an owned window above its owner by inserting it right after the window
    // that precedes the owner; when that is the widget itself, "not on top" is lost. The
    // hidden owner at the bottom of the order has another window before it.
    HWND owner = GetWindow(window, GW_OWNER);
    if (!onTop && owner) SetWindowPos(owner, HWND_BOTTOM, 0, 0, 0, 0, kZOrderOnly);
    SetWindowPos(window, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, kZOrderOnly);
  });
}

void SetOpacity(int level) {
  if (level < 0 || level > 255) level = 255;
  platform::OnUiThread([&] {
    HWND window = platform::MainWindow();
    if (!window) return;
    const LONG style = GetWindowLongW(window, GWL_EXSTYLE);
    if (!(style & WS_EX_LAYERED)) SetWindowLongW(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, 0, BYTE(level), LWA_ALPHA);
  });
}

void SetShapeFromPicture(const Bytes& encoded, Colour seeThrough) {
  // Decoding and the runs need no window: they are done on the calling thread.
  const Image picture = DecodeImage(encoded);
  const std::vector<PixelRect> runs = SkinRuns(picture, seeThrough);
  // A picture that is see-through all over would make the window vanish for good.
  if (runs.empty()) return;
  platform::UniqueRegion region = platform::RegionOfRuns(runs);
  if (!region) return;
  platform::OnUiThread([&] {
    HWND window = platform::MainWindow();
    // Window coordinates: the picture's top-left pixel on the window's top-left corner,
    // frame included. The window owns the region once it is set.
    if (window && SetWindowRgn(window, region.get(), TRUE)) region.release();
  });
}

}  // namespace toolkit
