// Flat buttons: invisible on the disc until the mouse comes over them, then a caption with
// a raised edge; pressed, a sunken edge and the caption 2 pixels lower. A click raises
// the window's click event.
#include "platform/win32/widgets.h"

namespace platform {

namespace {

class Button final : public ControlBehaviour {
 public:
  explicit Button(const ControlDesign& design)
      : design_(design),
        font_(CreateControlFont(design.font)),
        textColour_(design.textColour),
        backColour_(design.backColour) {}

  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_CREATE:
        SetToolTip(window, design_.tip);
        return 0;
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT:
        Paint(window);
        return 0;
      case WM_MOUSEMOVE:
        OnMouseMove(window, lParam);
        return 0;
      case WM_MOUSELEAVE:
        hover_ = false;
        trackingLeave_ = false;
        RepaintNow(window);
        return 0;
      case WM_LBUTTONDOWN:
        SetCapture(window);
        pressed_ = true;
        RepaintNow(window);
        return 0;
      case WM_LBUTTONUP:
        if (GetCapture() == window) {
          const bool click = pressed_;
          ReleaseCapture();  // ends the press (WM_CAPTURECHANGED)
          if (click) {
            if (auto handler = Events().click) handler(design_.id);
          }
        }
        return 0;
      case WM_CAPTURECHANGED:
        pressed_ = false;
        RepaintNow(window);
        return 0;
      case WM_SETTEXT: {
        LRESULT result = DefWindowProcW(window, message, wParam, lParam);
        RepaintNow(window);
        return result;
      }
      case kSetTextColour:
        textColour_ = Colour(wParam);
        RepaintNow(window);
        return 0;
      case kSetBackColour:
        backColour_ = Colour(wParam);
        RepaintNow(window);
        return 0;
      case kSetTip:
        SetToolTip(window, *reinterpret_cast<const Text*>(lParam));
        return 0;
      default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
  }

 private:
  void OnMouseMove(HWND window, LPARAM lParam) {
    const POINT at{short(LOWORD(lParam)), short(HIWORD(lParam))};
    RECT client;
    GetClientRect(window, &client);
    const bool inside = PtInRect(&client, at) != FALSE;
    bool changed = inside != hover_;
    hover_ = inside;
    if (GetCapture() == window && pressed_ != inside) {
      // Held down and dragged off the button: it pops up, and a release there is no click.
      pressed_ = inside;
      changed = true;
    }
    if (inside && !trackingLeave_) {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
      trackingLeave_ = TrackMouseEvent(&track) != FALSE;
    }
    if (changed) RepaintNow(window);
  }

  void Paint(HWND window) {
    BufferedPaint paint(window);
    HDC dc = paint.dc();
    RECT box = paint.client();
    const COLORREF face = ToColorRef(backColour_);
    FillSolid(dc, box, face);
    const bool down = pressed_ && GetCapture() == window;
    if (down) {
      DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
    } else if (hover_) {
      DrawEdge(dc, &box, BDR_RAISEDINNER, BF_RECT);
    }
    // At rest the caption has the face's colour: the button cannot be seen on the disc.
    const COLORREF ink = (down || hover_) ? ToColorRef(textColour_) : face;
    const std::wstring caption = WindowTextOf(window);
    Selection font(dc, font_.handle);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ink);
    // Centred both ways, wrapping when too wide: measure the wrapped height first.
    const UINT format = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
    RECT measured = box;
    DrawTextW(dc, caption.c_str(), int(caption.size()), &measured, format | DT_CALCRECT);
    const int textHeight = measured.bottom - measured.top;
    RECT text = box;
    text.top = (box.bottom - textHeight) / 2 + (down ? 2 : 0);
    text.bottom = text.top + textHeight;
    DrawTextW(dc, caption.c_str(), int(caption.size()), &text, format);
  }

  ControlDesign design_;
  ControlFont font_;
  Colour textColour_;
  Colour backColour_;
  bool hover_ = false;
  bool pressed_ = false;
  bool trackingLeave_ = false;
};

}  // namespace

HWND CreateButton(HWND parent, const ControlDesign& design) {
  return CreateControlWindow(parent, L"VeskaraButton", design, std::make_unique<Button>(design));
}

}  // namespace platform
