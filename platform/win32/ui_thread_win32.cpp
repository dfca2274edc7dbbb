#include <atomic>

#include "platform/win32/widgets.h"

namespace platform {

namespace {

constexpr UINT kRunMessage = WM_APP + 1;
const wchar_t kClassName[] = L"VeskaraUiThread";

// Written by the UI thread at the start and end of a run, read by any thread.
std::atomic<DWORD> uiThreadId{0};
std::atomic<HWND> messageWindow{nullptr};

struct Call {
  void (*call)(void* context);
  void* context;
};

LRESULT CALLBACK MessageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kRunMessage) {
    const Call* call = reinterpret_cast<const Call*>(lParam);
    call->call(call->context);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void RunOnUiThread(void (*call)(void* context), void* context) {
  if (GetCurrentThreadId() == uiThreadId.load()) {
    call(context);
    return;
  }
  // The sending thread waits here until the UI thread has run the call. When the window
  // goes away meanwhile, SendMessage fails and the call is dropped.
  Call sent{call, context};
  if (HWND target = messageWindow.load()) {
    SendMessageW(target, kRunMessage, 0, reinterpret_cast<LPARAM>(&sent));
  }
}

UiThreadScope::UiThreadScope() {
  RegisterWindowClass(kClassName, MessageWindowProc);
  uiThreadId = GetCurrentThreadId();
  messageWindow = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
}

UiThreadScope::~UiThreadScope() {
  HWND window = messageWindow.exchange(nullptr);
  uiThreadId = 0;
  if (window) DestroyWindow(window);
}

}  // namespace platform
