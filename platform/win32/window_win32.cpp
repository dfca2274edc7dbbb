// The main window: a frame without title bar, owned by a hidden tool window (so it has no
// taskbar button), centred on the primary screen, dragged by its face.
#include <atomic>

#include "platform/win32/wide_text.h"
#include "platform/win32/widgets.h"

namespace platform {

namespace {

const wchar_t kMainClass[] = L"VeskaraWindow";
const wchar_t kOwnerClass[] = L"VeskaraOwner";

std::atomic<HWND> mainWindow{nullptr};
WindowEvents events;

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST: {
      // The face acts as a title bar: a press anywhere on it (or on a control that lets
      // its presses through) drags the window.
      LRESULT hit = DefWindowProcW(window, message, wParam, lParam);
      return hit == HTCLIENT ? HTCAPTION : hit;
    }
    case WM_NCLBUTTONDBLCLK:
      if (wParam == HTCAPTION) return 0;  // no maximising by a double click on the face
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      BufferedPaint paint(window);
      PaintBackground(paint.dc(), paint.client());
      return 0;
    }
    case WM_TIMER:
      if (events.timer) events.timer(static_cast<Control>(wParam));
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_NCDESTROY:
      mainWindow = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void CreateControls(HWND window, const std::vector<ControlDesign>& controls) {
  for (const ControlDesign& control : controls) {
    switch (control.kind) {
      case ControlKind::PlainLabel:
      case ControlKind::TransparentLabel:
        CreateLabel(window, control);
        break;
      case ControlKind::Button:
        CreateButton(window, control);
        break;
      case ControlKind::PictureBox:
        CreatePictureBox(window, control);
        break;
      case ControlKind::Timer:          // a timer of the main window (timers_win32.cpp)
      case ControlKind::LunarCalendar:  // never visible; its calendar needs no window
        break;
    }
  }
}

// The hidden owner of the main window; it goes when a run ends.
struct OwnerWindow {
  HWND handle;
  ~OwnerWindow() {
    if (handle) DestroyWindow(handle);
  }
};

}  // namespace

HWND MainWindow() { return mainWindow.load(); }

HWND ControlWindow(Control control) {
  HWND window = MainWindow();
  return window ? GetDlgItem(window, int(control)) : nullptr;
}

const WindowEvents& Events() { return events; }

}  // namespace platform

namespace toolkit {

int RunMainWindow(const WindowDesign& design, const WindowEvents& handlers) {
  using namespace platform;
  UiThreadScope uiThread;
  events = handlers;
  RegisterWindowClass(kMainClass, MainWindowProc);
  RegisterWindowClass(kOwnerClass, DefWindowProcW);
  HINSTANCE instance = GetModuleHandleW(nullptr);

  OwnerWindow owner{CreateWindowExW(WS_EX_TOOLWINDOW, kOwnerClass, L"", WS_POPUP, 0, 0, 0, 0,
                                    nullptr, nullptr, instance, nullptr)};
  const int left = (GetSystemMetrics(SM_CXSCREEN) - design.outerWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - design.outerHeight) / 2;
  // WS_DLGFRAME without WS_BORDER: the thin fixed dialog frame and no title bar.
  HWND window = CreateWindowExW(0, kMainClass, WideFromText(design.title).c_str(),
                                WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN, left, top,
                                design.outerWidth, design.outerHeight, owner.handle, nullptr,
                                instance, nullptr);
  if (!window) {
    events = {};
    return 1;
  }
  mainWindow = window;
  RECT client;
  GetClientRect(window, &client);
  PrepareBackground(design.backgroundPicture, client.right, client.bottom);
  CreateControls(window, design.controls);
  StartDesignTimers(window, design.controls);

  if (events.created) events.created();
  // Shown once the start-up steps have given it its shape and pictures.
  if (IsWindow(window)) {
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    SetForegroundWindow(window);
  }
  const int exitCode = RunMessageLoop();
  DropBackground();
  events = {};
  return exitCode;
}

}  // namespace toolkit
