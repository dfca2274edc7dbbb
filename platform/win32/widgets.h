// The Win32 toolkit's inside: how the main window, its control windows and the
// user-interface thread work together. Private to platform/win32/ (and the Win32 tests).
//
// Threads. The main window and every control window belong to the thread that runs
// toolkit::RunMainWindow, the user-interface (UI) thread, and only that thread touches
// them. A toolkit call made on another thread is carried out on the UI thread: the caller
// sends it there (SendMessage) and waits until it has been handled. The UI thread handles
// such a call whenever it takes messages: in its message loop, in
// toolkit::ProcessPendingEvents, in a modal loop (dragging the window), or while it sends
// a message itself. So the UI thread must never wait for a worker thread without taking
// messages: a worker in the middle of a toolkit call would wait for the UI thread and the
// UI thread for the worker, forever. While the UI thread is busy without taking messages
// (a synchronous web fetch at start-up), worker calls simply wait for it. Once the window
// has closed, calls from other threads do nothing and reads give "".
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/toolkit.h"
#include "platform/window_design.h"
#include "platform/win32/gdi.h"

namespace platform {

// ---- The main window (window_win32.cpp) ----

// The main window while RunMainWindow runs; null before and after. Safe on any thread.
HWND MainWindow();
// The child window that shows `control`, found by its control ID; null for controls
// without a window (timers, the lunar calendar) and when no window runs. UI thread only.
HWND ControlWindow(Control control);
// The handlers the shell gave RunMainWindow.
const WindowEvents& Events();

// ---- The user-interface thread (ui_thread_win32.cpp) ----

// Runs `action` on the UI thread and returns once it has run: at once when called there,
// through SendMessage from any other thread. Does nothing when no UI thread runs.
template <typename Action>
void OnUiThread(Action&& action);
void RunOnUiThread(void (*call)(void* context), void* context);

template <typename Action>
void OnUiThread(Action&& action) {
  using Callable = std::remove_reference_t<Action>;
  RunOnUiThread([](void* a) { (*static_cast<Callable*>(a))(); },
                const_cast<void*>(static_cast<const void*>(&action)));
}

// Makes the calling thread the UI thread for as long as it lives.
class UiThreadScope {
 public:
  UiThreadScope();
  ~UiThreadScope();
  UiThreadScope(const UiThreadScope&) = delete;
  UiThreadScope& operator=(const UiThreadScope&) = delete;
};

// ---- Messages (message_loop_win32.cpp) ----

// Runs the UI thread's message loop until the main window closes; returns its exit code.
int RunMessageLoop();

// ---- Control windows (control_window_win32.cpp) ----

// Registers a window class of this program with an arrow cursor and no background brush,
// once: later calls with the same name do nothing.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure);

// Private messages every control window understands; a control ignores those that do not
// apply to its kind.
enum ControlMessage : UINT {
  kSetTextColour = WM_APP + 1,  // wParam: Colour
  kSetBackColour,               // wParam: Colour
  kSetTip,                      // lParam: const Text*
  kSetPicture,                  // lParam: const Bytes* (encoded)
  // Transparent labels only: draw the caption (no background) onto the HDC in wParam with
  // the label's top-left at the POINT that lParam points to.
  kDrawTransparentText,
};

// The behaviour of one kind of control window; the window owns it and deletes it when
// the window goes.
class ControlBehaviour {
 public:
  virtual ~ControlBehaviour() = default;
  virtual LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// A visible child control of `parent` at the design's place, its control ID the design's
// number and its window text the design's caption.
HWND CreateControlWindow(HWND parent, const wchar_t* className, const ControlDesign& design,
                         std::unique_ptr<ControlBehaviour> behaviour);
std::wstring WindowTextOf(HWND window);
// The control's place in its parent's client area.
RECT PlaceInParent(HWND control);
// Repaints the part of the parent under the control, and every control there, at once.
void RepaintArea(HWND control);
// Repaints an opaque control at once.
void RepaintNow(HWND control);

HWND CreateLabel(HWND parent, const ControlDesign& design);        // labels_win32.cpp
HWND CreateButton(HWND parent, const ControlDesign& design);       // buttons_win32.cpp
HWND CreatePictureBox(HWND parent, const ControlDesign& design);   // picture_box_win32.cpp

// ---- Fonts (fonts_win32.cpp) ----

struct ControlFont {
  UniqueFont owned;         // null when the system's default UI font stands in
  HFONT handle = nullptr;   // what to select for drawing
  bool faceInstalled = true;
};
ControlFont CreateControlFont(const FontDesign& design);

// ---- Tips (tooltip_win32.cpp) ----

// Shows `tip` while the mouse rests on `tool`; "" removes it.
void SetToolTip(HWND tool, const Text& tip);

// ---- The window's background (background_win32.cpp) ----

// Prepares the background picture for a client area of the given size: centred, shrunk to
// fit. Empty or undecodable bytes leave only the face colour.
void PrepareBackground(const Bytes& encoded, int clientWidth, int clientHeight);
void DropBackground();
// Paints the background of `area` (client coordinates of the main window) onto dc, with
// the area's top-left corner at dc's (0, 0).
void PaintBackground(HDC dc, const RECT& area);

// ---- Timers (timers_win32.cpp) ----

// Starts the design's timers that have a period; forgets the periods of any earlier run.
void StartDesignTimers(HWND mainWindow, const std::vector<ControlDesign>& controls);

}  // namespace platform
