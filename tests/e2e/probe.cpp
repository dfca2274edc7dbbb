// The end-to-end tests' eyes inside Wine: finds the running widget and reports what a
// UI-automation client sees (window, owner, region, child controls with their IDs and
// texts), or finds an error box, reports its text and presses OK. Output is UTF-8, one
// record per line, fields separated by tabs; CR and LF in texts are written as \r and \n.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/win32/processor_cores.h"

namespace {

std::string Utf8(const std::wstring& w) {
  if (w.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(std::size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), int(w.size()), s.data(), n, nullptr, nullptr);
  std::string out;
  for (char c : s) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (c == '\t') out += "\\t";
    else out += c;
  }
  return out;
}

std::wstring WindowText(HWND w) {
  int n = GetWindowTextLengthW(w);
  std::wstring text(std::size_t(n) + 1, L'\0');
  n = GetWindowTextW(w, text.data(), n + 1);
  text.resize(std::size_t(n > 0 ? n : 0));
  return text;
}

std::wstring ClassOf(HWND w) {
  wchar_t name[128] = {};
  GetClassNameW(w, name, 128);
  return name;
}

// The widget: a visible top-level window of 340 x 341 holding a control with ID 3.
BOOL CALLBACK IsWidget(HWND w, LPARAM out) {
  RECT r;
  if (!IsWindowVisible(w) || !GetWindowRect(w, &r)) return TRUE;
  if (r.right - r.left != 340 || r.bottom - r.top != 341 || !GetDlgItem(w, 3)) return TRUE;
  *reinterpret_cast<HWND*>(out) = w;
  return FALSE;
}

BOOL CALLBACK IsErrorBox(HWND w, LPARAM out) {
  if (!IsWindowVisible(w) || ClassOf(w) != L"#32770") return TRUE;
  *reinterpret_cast<HWND*>(out) = w;
  return FALSE;
}

HWND FindTopLevel(WNDENUMPROC test) {
  HWND found = nullptr;
  EnumWindows(test, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND FindWidget() { return FindTopLevel(IsWidget); }
HWND FindErrorBox() { return FindTopLevel(IsErrorBox); }

template <typename Find>
HWND WaitFor(Find find, int seconds) {
  for (int i = 0; i < seconds * 10; ++i) {
    if (HWND w = find()) return w;
    Sleep(100);
  }
  return nullptr;
}

int Dump(int seconds) {
  HWND w = WaitFor(FindWidget, seconds);
  if (!w) {
    std::printf("nowindow\n");
    return 1;
  }
  RECT r, c;
  GetWindowRect(w, &r);
  GetClientRect(w, &c);
  POINT origin{0, 0};
  ClientToScreen(w, &origin);
  std::printf("window\t%ld\t%ld\t%ld\t%ld\tclient\t%ld\t%ld\t%ld\t%ld\tlayered\t%d\ttopmost\t%d\n",
              r.left, r.top, r.right, r.bottom, origin.x, origin.y, c.right, c.bottom,
              (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_LAYERED) ? 1 : 0,
              (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  DWORD_PTR processMask = 0, systemMask = 0;
  if (HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid)) {
    GetProcessAffinityMask(process, &processMask, &systemMask);
    CloseHandle(process);
  }
  std::printf("process\t%lu\taffinity\t%lu\tsystem\t%lu\tcores\t%d\n", static_cast<unsigned long>(pid),
              static_cast<unsigned long>(processMask), static_cast<unsigned long>(systemMask),
              SystemCoreCount());
  HWND owner = GetWindow(w, GW_OWNER);
  std::printf("owner\t%d\tvisible\t%d\ttoolwindow\t%d\n", owner ? 1 : 0,
              owner && IsWindowVisible(owner) ? 1 : 0,
              owner && (GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) ? 1 : 0);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(w, region) != ERROR) {
    DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<char> data(size);
    auto* rd = reinterpret_cast<RGNDATA*>(data.data());
    if (size && GetRegionData(region, size, rd)) {
      const RECT* rects = reinterpret_cast<const RECT*>(rd->Buffer);
      for (DWORD i = 0; i < rd->rdh.nCount; ++i)
        std::printf("region\t%ld\t%ld\t%ld\t%ld\n", rects[i].left, rects[i].top, rects[i].right,
                    rects[i].bottom);
    }
  }
  DeleteObject(region);
  for (HWND child = GetWindow(w, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT cr;
    GetWindowRect(child, &cr);
    MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&cr), 2);
    std::printf("control\t%d\t%s\t%ld\t%ld\t%ld\t%ld\t%d\t%s\n", GetDlgCtrlID(child),
                Utf8(ClassOf(child)).c_str(), cr.left, cr.top, cr.right - cr.left,
                cr.bottom - cr.top, IsWindowVisible(child) ? 1 : 0,
                Utf8(WindowText(child)).c_str());
  }
  return 0;
}

int ErrorBox(int seconds) {
  HWND box = WaitFor(FindErrorBox, seconds);
  if (!box) {
    std::printf("nobox\n");
    return 1;
  }
  std::printf("title\t%s\n", Utf8(WindowText(box)).c_str());
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (ClassOf(child) == L"Static" && GetWindowTextLengthW(child) > 0)
      std::printf("text\t%s\n", Utf8(WindowText(child)).c_str());
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  return 0;
}

// "serve" keeps one probe for a whole run of the widget, rather than a Wine process per
// question. It reads commands ("dump SECONDS",
// "errorbox SECONDS", "quit") and ends each answer with a line "end".
int Serve() {
  char line[128];
  while (std::fgets(line, sizeof line, stdin)) {
    char command[32] = {};
    int seconds = 30;
    if (std::sscanf(line, "%31s %d", command, &seconds) < 1) continue;
    std::string c = command;
    if (c == "quit") break;
    if (c == "errorbox") ErrorBox(seconds);
    else Dump(seconds);
    std::printf("end\n");
    std::fflush(stdout);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string command = argc > 1 ? argv[1] : "dump";
  int seconds = argc > 2 ? std::atoi(argv[2]) : 30;
  int rc = command == "serve" ? Serve() : command == "errorbox" ? ErrorBox(seconds) : Dump(seconds);
  std::fflush(stdout);
  return rc;
}
