#include "platform/win32/gdi.h"

namespace platform {

BufferedPaint::BufferedPaint(HWND window) : window_(window) {
  BeginPaint(window, &paint_);
  GetClientRect(window, &client_);
  memory_.reset(CreateCompatibleDC(paint_.hdc));
  bitmap_.reset(CreateCompatibleBitmap(paint_.hdc, client_.right, client_.bottom));
  if (!memory_ || !bitmap_) {
    // Out of GDI resources: draw straight onto the screen rather than not at all.
    memory_.reset();
    bitmap_.reset();
    return;
  }
  previousBitmap_ = SelectObject(memory_.get(), bitmap_.get());
}

BufferedPaint::~BufferedPaint() {
  if (memory_) {
    BitBlt(paint_.hdc, 0, 0, client_.right, client_.bottom, memory_.get(), 0, 0, SRCCOPY);
    SelectObject(memory_.get(), previousBitmap_);
  }
  EndPaint(window_, &paint_);
}

COLORREF ToColorRef(Colour colour) {
  if (colour == kSystemFaceColour || colour == kNoColour) return GetSysColor(COLOR_BTNFACE);
  return COLORREF(colour & 0x00FFFFFF);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  // The stock DC brush takes any colour without creating a brush object.
  COLORREF previous = SetDCBrushColor(dc, colour);
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  SetDCBrushColor(dc, previous);
}

UniqueBitmap MakeBitmap(const PremultipliedPixels& pixels) {
  if (pixels.width <= 0 || pixels.height <= 0 ||
      pixels.bgra.size() != std::size_t(pixels.width) * pixels.height * 4) {
    return nullptr;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixels.width;
  info.bmiHeader.biHeight = -pixels.height;  // top-down, like the pixels
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return nullptr;
  std::copy(pixels.bgra.begin(), pixels.bgra.end(), static_cast<std::uint8_t*>(bits));
  GdiFlush();
  return bitmap;
}

void BlendBitmap(HDC dc, int x, int y, HBITMAP bitmap, int width, int height, int sourceX,
                 int sourceY) {
  UniqueDc source(CreateCompatibleDC(dc));
  if (!source || !bitmap) return;
  Selection selected(source.get(), bitmap);
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, x, y, width, height, source.get(), sourceX, sourceY, width, height, blend);
}

void BlendCoverage(HDC dc, int x, int y, const std::vector<std::uint8_t>& coverage, int width,
                   int height, COLORREF colour) {
  if (coverage.size() != std::size_t(width) * height || coverage.empty()) return;
  PremultipliedPixels ink{width, height, std::vector<std::uint8_t>(coverage.size() * 4)};
  for (std::size_t i = 0; i < coverage.size(); ++i) {
    const unsigned a = coverage[i];
    ink.bgra[i * 4 + 0] = std::uint8_t(GetBValue(colour) * a / 255);
    ink.bgra[i * 4 + 1] = std::uint8_t(GetGValue(colour) * a / 255);
    ink.bgra[i * 4 + 2] = std::uint8_t(GetRValue(colour) * a / 255);
    ink.bgra[i * 4 + 3] = std::uint8_t(a);
  }
  UniqueBitmap bitmap = MakeBitmap(ink);
  BlendBitmap(dc, x, y, bitmap.get(), width, height);
}

}  // namespace platform
