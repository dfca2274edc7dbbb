// The toolkit's run-time services: threads, beep, clock, program directory, environment.
#include <system_error>
#include <thread>

#include "platform/win32/wide_text.h"
#include "platform/win32/widgets.h"

namespace toolkit {

void StartThread(ThreadRoutine routine, std::int32_t argument) {
  try {
    std::thread(routine, argument).detach();
  } catch (const std::system_error&) {
    // No thread could be made: the work is skipped, as if this tick had not come.
  }
}

void Beep() { MessageBeep(MB_OK); }

LocalDateTime Now() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::uint32_t TickCount() { return GetTickCount(); }

Text RunDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);  // a long path: try again with more room
  }
  path.resize(path.find_last_of(L"\\/") == std::wstring::npos ? 0 : path.find_last_of(L"\\/"));
  return platform::TextFromWide(path);
}

Text EnvironmentVariable(const Text& name) {
  const std::wstring wideName = platform::WideFromText(name);
  DWORD size = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(), size);
  if (length == 0 || length >= size) return {};
  value.resize(length);
  return platform::TextFromWide(value);
}

}  // namespace toolkit
