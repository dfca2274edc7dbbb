#include "platform/win32/wide_text.h"
#include "platform/win32/widgets.h"

namespace platform {

namespace {

// Hands a behaviour to the window being created; `adopted` tells whether the window took it.
struct Adoption {
  ControlBehaviour* behaviour;
  bool adopted = false;
};

LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* behaviour = reinterpret_cast<ControlBehaviour*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    // The behaviour arrives with the creation parameters and belongs to the window from now on.
    auto* adoption = static_cast<Adoption*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    behaviour = adoption->behaviour;
    adoption->adopted = true;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(behaviour));
  }
  if (!behaviour) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    LRESULT result = behaviour->Handle(window, message, wParam, lParam);
    delete behaviour;
    return result;
  }
  return behaviour->Handle(window, message, wParam, lParam);
}

}  // namespace

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &windowClass)) return;
  windowClass = WNDCLASSEXW{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

HWND CreateControlWindow(HWND parent, const wchar_t* className, const ControlDesign& design,
                         std::unique_ptr<ControlBehaviour> behaviour) {
  RegisterWindowClass(className, ControlWindowProc);
  Adoption adoption{behaviour.get()};
  HWND window = CreateWindowExW(
      0, className, WideFromText(design.text).c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
      design.left, design.top, design.width, design.height, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.id)), GetModuleHandleW(nullptr),
      &adoption);
  // Once adopted, the window deletes the behaviour when it goes, even when creation failed.
  if (adoption.adopted) behaviour.release();
  return window;
}

std::wstring WindowTextOf(HWND window) {
  int length = GetWindowTextLengthW(window);
  std::wstring text(std::size_t(length) + 1, L'\0');
  length = GetWindowTextW(window, text.data(), length + 1);
  text.resize(std::size_t(length > 0 ? length : 0));
  return text;
}

RECT PlaceInParent(HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

void RepaintArea(HWND control) {
  RECT place = PlaceInParent(control);
  RedrawWindow(GetParent(control), &place, nullptr,
               RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void RepaintNow(HWND control) {
  InvalidateRect(control, nullptr, FALSE);
  UpdateWindow(control);
}

}  // namespace platform
