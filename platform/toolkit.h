// The widget toolkit as the logic sees it: the main window's named controls and a few
// run-time services. Texts are code page 936, colours 0x00BBGGRR.
//
// The Win32 adapter (platform/win32/) is the real implementation; tests/fakes/ has a
// recording one for host tests. The choice is made at link time.
#pragma once

#include <cstdint>

#include "platform/controls.h"
#include "platform/text.h"

using Colour = std::uint32_t;

struct LocalDateTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

namespace toolkit {

// Controls. Every set repaints at once. Worker threads may call these; the call returns
// once the user-interface thread has carried it out.
Text Caption(Control control);
void SetCaption(Control control, const Text& caption);
void SetTip(Control button, const Text& tip);  // "" removes the tip
void SetTextColour(Control label, Colour colour);
void SetBackColour(Control control, Colour colour);  // labels and picture boxes
// Encoded PNG, JPEG, GIF (animated), BMP or ICO bytes; the previous picture is dropped.
// Empty or undecodable bytes leave only the background colour showing.
void SetPicture(Control pictureBox, const Bytes& encoded);

// Timer period in ms: negative counts as 0, 0 stops the timer, the current value changes
// nothing, any other value restarts the countdown.
void SetTimerPeriod(Control timer, int milliseconds);

// Window.
void SetTopmost(bool onTop);
void SetOpacity(int level);  // outside 0..255 counts as 255; makes the window layered
// The window's shape: every pixel of the picture whose colour differs from `seeThrough`.
// A picture that cannot be decoded leaves the shape as it is.
void SetShapeFromPicture(const Bytes& encoded, Colour seeThrough);

// Services.
using ThreadRoutine = void (*)(std::int32_t argument);
void StartThread(ThreadRoutine routine, std::int32_t argument = 0);  // detached
void ProcessPendingEvents();
void Beep();
LocalDateTime Now();
std::uint32_t TickCount();  // milliseconds since system start, wraps
Text RunDirectory();        // no trailing backslash
Text EnvironmentVariable(const Text& name);  // "" when unset

}  // namespace toolkit
