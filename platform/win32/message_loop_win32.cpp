// Taking and dispatching messages: the UI thread's loop and pending-event processing.
#include "platform/win32/widgets.h"

namespace platform {

namespace {

// Esc closes the window whichever of its controls has the keyboard focus.
bool ClosesWindow(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_ESCAPE) return false;
  HWND window = MainWindow();
  return window && (message.hwnd == window || IsChild(window, message.hwnd));
}

void Dispatch(const MSG& message) {
  if (ClosesWindow(message)) {
    PostMessageW(MainWindow(), WM_CLOSE, 0, 0);
    return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace

int RunMessageLoop() {
  MSG message;
  for (;;) {
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return int(message.wParam);  // WM_QUIT
    if (got == -1) return 0;
    Dispatch(message);
  }
}

}  // namespace platform

namespace toolkit {

void ProcessPendingEvents() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Meant for the message loop: put it back for the loop to end on.
      PostQuitMessage(int(message.wParam));
      return;
    }
    platform::Dispatch(message);
  }
}

}  // namespace toolkit
