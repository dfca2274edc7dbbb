// Conversions between the widget's texts (code page 936) and UTF-16, done explicitly so
// Chinese reads right whatever the system's ANSI code page is.
#pragma once

#include <string>

#include "platform/text.h"

namespace platform {

std::wstring WideFromText(const Text& text);
Text TextFromWide(const std::wstring& wide);

}  // namespace platform
