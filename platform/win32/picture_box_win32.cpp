// Picture boxes: a background colour with a picture stretched over the whole box; an
// animated picture plays its frames, each for its own delay, round and round.
#include "platform/image.h"
#include "platform/win32/widgets.h"

namespace platform {

namespace {

constexpr UINT_PTR kFrameTimer = 1;
// A frame with no delay of its own in an animation would spin the UI thread.
constexpr int kDefaultFrameDelayMs = 100;

class PictureBox final : public ControlBehaviour {
 public:
  explicit PictureBox(const ControlDesign& design)
      : width_(design.width), height_(design.height), backColour_(design.backColour) {}

  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_NCHITTEST:
        return HTTRANSPARENT;  // a press on a picture drags the window
      case WM_ERASEBKGND:
        return 1;
      case WM_PAINT:
        Paint(window);
        return 0;
      case WM_TIMER:
        if (wParam == kFrameTimer) NextFrame(window);
        return 0;
      case kSetBackColour:
        backColour_ = Colour(wParam);
        RepaintNow(window);
        return 0;
      case kSetPicture:
        SetPicture(window, *reinterpret_cast<const Bytes*>(lParam));
        return 0;
      default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
  }

 private:
  struct Frame {
    UniqueBitmap bitmap;  // already at the box's size
    int delayMs;
  };

  void SetPicture(HWND window, const Bytes& encoded) {
    KillTimer(window, kFrameTimer);
    frames_.clear();  // the previous picture's bitmaps go here
    current_ = 0;
    Image picture = DecodeImage(encoded);
    for (const ImageFrame& frame : picture.frames) {
      UniqueBitmap bitmap = MakeBitmap(
          ScaleForDrawing(frame.bgra, picture.width, picture.height, width_, height_));
      if (!bitmap) {
        frames_.clear();
        break;
      }
      frames_.push_back({std::move(bitmap), frame.delayMs > 0 ? frame.delayMs : kDefaultFrameDelayMs});
    }
    if (frames_.size() > 1) SetTimer(window, kFrameTimer, UINT(frames_.front().delayMs), nullptr);
    RepaintNow(window);
  }

  void NextFrame(HWND window) {
    if (frames_.size() < 2) return;
    current_ = (current_ + 1) % frames_.size();
    // The frame's own delay: re-arming the timer restarts its countdown.
    SetTimer(window, kFrameTimer, UINT(frames_[current_].delayMs), nullptr);
    RepaintNow(window);
  }

  void Paint(HWND window) {
    BufferedPaint paint(window);
    FillSolid(paint.dc(), paint.client(), ToColorRef(backColour_));
    if (!frames_.empty()) {
      BlendBitmap(paint.dc(), 0, 0, frames_[current_].bitmap.get(), width_, height_);
    }
  }

  int width_;
  int height_;
  Colour backColour_;
  std::vector<Frame> frames_;
  std::size_t current_ = 0;
};

}  // namespace

HWND CreatePictureBox(HWND parent, const ControlDesign& design) {
  return CreateControlWindow(parent, L"VeskaraPicture", design,
                             std::make_unique<PictureBox>(design));
}

}  // namespace platform
