// Owning wrappers for the GDI objects the toolkit creates, and the few drawing steps its
// controls share. Every object the toolkit creates lives in one of these, so nothing leaks
// over a long run (animation frames, fonts, regions, paint buffers).
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/picture_scaling.h"
#include "platform/window_design.h"

namespace platform {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
template <typename Handle>
using UniqueGdi = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using UniqueFont = UniqueGdi<HFONT>;
using UniqueBitmap = UniqueGdi<HBITMAP>;
using UniqueRegion = UniqueGdi<HRGN>;

struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
using UniqueDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

// Selects an object into a device context and puts the previous one back when it ends.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// One WM_PAINT of a control, drawn off screen and copied in one step, so a repaint never
// flickers. Draw on dc() in client coordinates.
class BufferedPaint {
 public:
  explicit BufferedPaint(HWND window);
  ~BufferedPaint();
  BufferedPaint(const BufferedPaint&) = delete;
  BufferedPaint& operator=(const BufferedPaint&) = delete;

  HDC dc() const { return memory_ ? memory_.get() : paint_.hdc; }
  const RECT& client() const { return client_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  RECT client_{};
  UniqueDc memory_;
  UniqueBitmap bitmap_;
  HGDIOBJ previousBitmap_ = nullptr;
};

// The colour a design value stands for: kSystemFaceColour is the system's 3D face colour.
COLORREF ToColorRef(Colour colour);
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);

// A 32-bit top-down bitmap holding premultiplied pixels; null when there are none.
UniqueBitmap MakeBitmap(const PremultipliedPixels& pixels);
// Blends width × height pixels of a bitmap made by MakeBitmap, from (sourceX, sourceY) on,
// onto dc at (x, y), 1:1, by their per-pixel alpha.
void BlendBitmap(HDC dc, int x, int y, HBITMAP bitmap, int width, int height, int sourceX = 0,
                 int sourceY = 0);
// Paints `colour` onto dc at (x, y) through a coverage mask (0..255 per pixel).
void BlendCoverage(HDC dc, int x, int y, const std::vector<std::uint8_t>& coverage, int width,
                   int height, COLORREF colour);

}  // namespace platform
