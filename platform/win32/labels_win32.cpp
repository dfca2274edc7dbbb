// Labels: plain labels fill their background and draw their caption over it; transparent
// labels let the window's background picture show through behind their caption.
#include "platform/seven_segment.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/widgets.h"

namespace platform {

namespace {

class Label final : public ControlBehaviour {
 public:
  explicit Label(const ControlDesign& design)
      : design_(design),
        font_(CreateControlFont(design.font)),
        textColour_(design.textColour),
        backColour_(design.backColour),
        transparent_(design.kind == ControlKind::TransparentLabel) {}

  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_NCHITTEST:
        // A press on a plain label falls through to the window, which is dragged by it;
        // transparent labels keep their presses.
        return transparent_ ? HTCLIENT : HTTRANSPARENT;
      case WM_ERASEBKGND:
        return 1;  // the paint covers everything
      case WM_PAINT:
        Paint(window);
        return 0;
      case WM_SETTEXT: {
        LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        // Repaints what lies under the label too, so no trace of the old caption stays.
        RepaintArea(window);
        return result;
      }
      case kSetTextColour:
        textColour_ = Colour(wParam);
        RepaintArea(window);
        return 0;
      case kSetBackColour:
        if (!transparent_) backColour_ = Colour(wParam);
        RepaintArea(window);
        return 0;
      case kDrawTransparentText:
        if (transparent_) {
          const POINT& at = *reinterpret_cast<const POINT*>(lParam);
          DrawCaption(window, reinterpret_cast<HDC>(wParam), at.x, at.y);
        }
        return 0;
      default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
  }

 private:
  void Paint(HWND window) {
    BufferedPaint paint(window);
    if (!transparent_) {
      FillSolid(paint.dc(), paint.client(), ToColorRef(backColour_));
      DrawCaption(window, paint.dc(), 0, 0);
      return;
    }
    // A transparent label shows the window's background and, over it, the captions of
    // every transparent label that reaches into its place, its own included, bottom one
    // first: neighbours that overlap never cut off each other's text.
    const RECT place = PlaceInParent(window);
    PaintBackground(paint.dc(), place);
    for (HWND other = GetWindow(window, GW_HWNDLAST); other; other = GetWindow(other, GW_HWNDPREV)) {
      RECT otherPlace = PlaceInParent(other), overlap;
      if (!IsWindowVisible(other) || !IntersectRect(&overlap, &place, &otherPlace)) continue;
      POINT at{otherPlace.left - place.left, otherPlace.top - place.top};
      SendMessageW(other, kDrawTransparentText, reinterpret_cast<WPARAM>(paint.dc()),
                   reinterpret_cast<LPARAM>(&at));
    }
  }

  // The caption with the label's top-left corner at (x, y) of dc, no background.
  void DrawCaption(HWND window, HDC dc, int x, int y) {
    const std::wstring caption = WindowTextOf(window);
    const COLORREF colour = ToColorRef(textColour_);
    if (!font_.faceInstalled && design_.font.decorative) {
      // The clock's LCD face is missing: segment digits keep it looking like a clock.
      const Text text = TextFromWide(caption);
      if (SevenSegmentCanShow(text)) {
        BlendCoverage(dc, x, y,
                      CoverageMask(SevenSegmentShapes(text, design_.width, design_.height,
                                                      design_.font.height, design_.align),
                                   design_.width, design_.height),
                      design_.width, design_.height, colour);
        return;
      }
    }
    Selection font(dc, font_.handle);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT box{x, y, x + design_.width, y + design_.height};
    UINT format = DT_NOPREFIX | (design_.wrap ? DT_WORDBREAK | DT_TOP : DT_SINGLELINE | DT_VCENTER);
    if (design_.align == TextAlign::Centre) format |= DT_CENTER;
    if (design_.align == TextAlign::Right) format |= DT_RIGHT;
    DrawTextW(dc, caption.c_str(), int(caption.size()), &box, format);
  }

  ControlDesign design_;
  ControlFont font_;
  Colour textColour_;
  Colour backColour_;
  bool transparent_;
};

}  // namespace

HWND CreateLabel(HWND parent, const ControlDesign& design) {
  return CreateControlWindow(parent, L"VeskaraLabel", design, std::make_unique<Label>(design));
}

}  // namespace platform
