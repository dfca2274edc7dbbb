// What the toolkit needs to build the main window: its size, its controls with their
// design values, and the handlers of its events. The shell supplies the design; the Win32
// adapter builds and runs the window from it.
#pragma once

#include <vector>

#include "platform/toolkit.h"

enum class ControlKind { PlainLabel, TransparentLabel, Button, PictureBox, Timer, LunarCalendar };
enum class TextAlign { Left, Centre, Right };

// Stands for the system's 3D face colour (COLOR_BTNFACE) where a colour is expected.
constexpr Colour kSystemFaceColour = 0xFF000000u;
// A control with no background of its own (transparent labels).
constexpr Colour kNoColour = 0xFE000000u;

enum class Charset { Ansi = 0, Gb2312 = 134 };

struct FontDesign {
  Text face;          // "" for the system's default face of the character set
  int height = 12;    // character height in pixels
  bool bold = false;
  Charset charset = Charset::Ansi;
  bool decorative = false;  // the decorative family, variable pitch
};

struct ControlDesign {
  Control id;
  ControlKind kind;
  int left = 0, top = 0, width = 0, height = 0;
  Text text;               // caption or design text
  Text tip;                // buttons only
  FontDesign font;
  Colour textColour = 0x000000;
  Colour backColour = kNoColour;
  TextAlign align = TextAlign::Centre;
  bool wrap = false;       // wrapped labels break at word boundaries and CR LF
  int periodMs = 0;        // timers: design period, 0 = stopped
};

struct WindowDesign {
  int outerWidth = 0, outerHeight = 0;
  Text title;
  Bytes backgroundPicture;  // drawn centred and shrunk to fit the client area
  std::vector<ControlDesign> controls;  // in creation order
};

struct WindowEvents {
  void (*created)() = nullptr;          // once the window and all controls exist
  void (*timer)(Control timer) = nullptr;
  void (*click)(Control button) = nullptr;
};

namespace toolkit {

// Creates the window from the design (timers start with their design periods), runs
// `events.created` to completion, then the message loop until the window closes.
// Returns the program's exit code (0).
int RunMainWindow(const WindowDesign& design, const WindowEvents& events);

}  // namespace toolkit
