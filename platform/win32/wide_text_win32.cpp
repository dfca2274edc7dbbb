#include "platform/win32/wide_text.h"

#include <windows.h>

namespace platform {

std::wstring WideFromText(const Text& text) {
  if (text.empty()) return {};
  int n = MultiByteToWideChar(936, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring wide(std::size_t(n > 0 ? n : 0), L'\0');
  if (n > 0) MultiByteToWideChar(936, 0, text.data(), int(text.size()), wide.data(), n);
  return wide;
}

Text TextFromWide(const std::wstring& wide) {
  if (wide.empty()) return {};
  int n = WideCharToMultiByte(936, 0, wide.data(), int(wide.size()), nullptr, 0, nullptr, nullptr);
  Text text(std::size_t(n > 0 ? n : 0), '\0');
  if (n > 0) WideCharToMultiByte(936, 0, wide.data(), int(wide.size()), text.data(), n, nullptr, nullptr);
  return text;
}

}  // namespace platform
