#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/bind.h"
#include "platform/win32/wide_text.h"

namespace {

std::wstring ProgramBesideThisOne(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring own(path, length);
  return own.substr(0, own.find_last_of(L"\\/") + 1) + name;
}

struct BoxSearch {
  DWORD processId;
  HWND found = nullptr;
};

BOOL CALLBACK NoteErrorBox(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<BoxSearch*>(context);
  wchar_t className[32] = {};
  GetClassNameW(window, className, 32);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId && IsWindowVisible(window) &&
      std::wstring(className) == L"#32770") {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindErrorBox(DWORD processId) {
  BoxSearch search{processId};
  EnumWindows(NoteErrorBox, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The helper process, ended for sure when a test leaves early: a box left open would keep
// the Wine session alive.
struct ChildProcess {
  PROCESS_INFORMATION info{};
  ~ChildProcess() {
    if (!info.hProcess) return;
    DWORD code = 0;
    if (GetExitCodeProcess(info.hProcess, &code) && code == STILL_ACTIVE) {
      TerminateProcess(info.hProcess, 1);
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
};

std::wstring BoxMessage(HWND box) {
  std::wstring message;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[32] = {};
    GetClassNameW(child, className, 32);
    wchar_t text[512] = {};
    if (_wcsicmp(className, L"Static") == 0 && GetWindowTextW(child, text, 512) > 0) message += text;
  }
  return message;
}

}  // namespace

TEST(BindByName, AMissingFunctionShowsItsLibraryAndNameThenEndsWithMinusOne) {
  std::wstring program = ProgramBesideThisOne(L"bind_missing.exe");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  ChildProcess child;
  const PROCESS_INFORMATION& process = child.info;
  ASSERT_TRUE(CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &child.info));

  HWND box = nullptr;
  for (int i = 0; i < 300 && !box; ++i) {
    box = FindErrorBox(process.dwProcessId);
    if (!box) Sleep(100);
  }
  ASSERT_NE(box, nullptr) << "no error box appeared";

  char expected[512];
  wsprintfA(expected, platform::MissingFunctionMessageFormat(), "kernel32.dll",
            "VeskaraNoSuchFunction");
  EXPECT_EQ(platform::TextFromWide(BoxMessage(box)), Text(expected));

  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
  DWORD exitCode = 0;
  GetExitCodeProcess(process.hProcess, &exitCode);
  EXPECT_EQ(exitCode, 0xFFFFFFFFu);
}
