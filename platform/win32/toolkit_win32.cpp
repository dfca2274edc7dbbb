// The toolkit's control operations, carried out on the user-interface thread whichever
// thread calls them.
#include "platform/win32/wide_text.h"
#include "platform/win32/widgets.h"

namespace {

// Sends one of the control messages to the control's window, if it has one.
void SendToControl(Control control, UINT message, WPARAM wParam, LPARAM lParam) {
  platform::OnUiThread([&] {
    if (HWND window = platform::ControlWindow(control)) SendMessageW(window, message, wParam, lParam);
  });
}

}  // namespace

namespace toolkit {

Text Caption(Control control) {
  Text caption;
  platform::OnUiThread([&] {
    if (HWND window = platform::ControlWindow(control)) {
      caption = platform::TextFromWide(platform::WindowTextOf(window));
    }
  });
  return caption;
}

void SetCaption(Control control, const Text& caption) {
  const std::wstring wide = platform::WideFromText(caption);
  // The window text is the caption, so UI automation reads what the widget shows.
  SendToControl(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void SetTip(Control button, const Text& tip) {
  SendToControl(button, platform::kSetTip, 0, reinterpret_cast<LPARAM>(&tip));
}

void SetTextColour(Control label, Colour colour) {
  SendToControl(label, platform::kSetTextColour, WPARAM(colour), 0);
}

void SetBackColour(Control control, Colour colour) {
  SendToControl(control, platform::kSetBackColour, WPARAM(colour), 0);
}

void SetPicture(Control pictureBox, const Bytes& encoded) {
  SendToControl(pictureBox, platform::kSetPicture, 0, reinterpret_cast<LPARAM>(&encoded));
}

}  // namespace toolkit
