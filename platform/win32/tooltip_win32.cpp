// The buttons' tips: one tooltip window per main window, one tool per button.
#include "platform/win32/widgets.h"

#include <commctrl.h>

#include "platform/win32/wide_text.h"

namespace platform {

namespace {

constexpr int kMaxTipWidth = 400;

// The tooltip window of the window that `tool` belongs to, made on first use. UI thread only.
// It is owned by that window's own (hidden) owner, which outlives the window: a window that
// owns an always-on-top popup cannot itself be put on top under Wine, and the widget must be.
HWND TooltipFor(HWND tool) {
  static HWND tooltip = nullptr;
  HWND root = GetAncestor(tool, GA_ROOT);
  if (HWND rootOwner = GetWindow(root, GW_OWNER)) root = rootOwner;
  if (tooltip && IsWindow(tooltip) && GetWindow(tooltip, GW_OWNER) == root) return tooltip;
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&classes);
  tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, root, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (tooltip) {
    SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
  }
  return tooltip;
}

TOOLINFOW ToolOf(HWND tool) {
  TOOLINFOW info{};
  // The size older common-control versions know, so adding works with any of them.
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = GetParent(tool);
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  return info;
}

}  // namespace

void SetToolTip(HWND tool, const Text& tip) {
  HWND tooltip = TooltipFor(tool);
  if (!tooltip) return;
  // A new tip replaces the tool, which works alike whether or not the button had one.
  TOOLINFOW info = ToolOf(tool);
  SendMessageW(tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  if (tip.empty()) return;
  std::wstring text = WideFromText(tip);
  info.lpszText = text.data();  // the tooltip keeps its own copy
  SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace platform
