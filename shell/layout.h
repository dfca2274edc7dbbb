// The static design of the main window: frame size and the 24 controls in creation order.
#pragma once

#include "platform/window_design.h"

// Colours of the widget's face (0x00BBGGRR).
constexpr Colour kDiscColour = 0xF0E6DF;       // the light disc, RGB (223, 230, 240)
constexpr Colour kRingColour = 0x444444;       // the dark ring and the credit labels
constexpr Colour kTextColour = 0x000000;
constexpr Colour kSeeThroughColour = 0xFFFFFF; // outside the disc in the skin picture

WindowDesign MainWindowDesign();
