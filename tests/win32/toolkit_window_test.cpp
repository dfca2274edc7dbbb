// The Win32 toolkit against Wine's real windows: what UI automation sees, dragging and Esc,
// calls from worker threads, timer periods, the window's flags and shape, and drawing.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <map>
#include <thread>
#include <vector>

#include "platform/toolkit.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/widgets.h"
#include "platform/window_design.h"

namespace {

constexpr Colour kDisc = 0xF0E6DF;

// What a test does once the window exists (before the loop), and on each timer tick.
std::function<void()> onCreated;
std::function<void(Control)> onTimer;

int RunWindow(const WindowDesign& design) {
  WindowEvents events;
  events.created = [] {
    onCreated();
    // A failed assertion left the scenario early: end the run rather than hang.
    if (::testing::Test::HasFatalFailure()) PostMessageW(platform::MainWindow(), WM_CLOSE, 0, 0);
  };
  events.timer = [](Control timer) {
    if (onTimer) onTimer(timer);
  };
  int code = toolkit::RunMainWindow(design, events);
  onCreated = nullptr;
  onTimer = nullptr;
  return code;
}

ControlDesign Make(Control id, ControlKind kind, int left, int top, int width, int height,
                   Text text, Colour back = kNoColour) {
  ControlDesign c{id, kind, left, top, width, height, std::move(text)};
  c.backColour = back;
  return c;
}

WindowDesign SmallWidget() {
  using C = Control;
  using K = ControlKind;
  WindowDesign d;
  d.outerWidth = 340;
  d.outerHeight = 341;
  ControlDesign button = Make(C::超级按钮_置顶, K::Button, 56, 208, 56, 24, "置顶", kDisc);
  button.tip = "点击开启窗口置顶";
  button.font = {"黑体", 12, false, Charset::Ansi};
  ControlDesign clock = Make(C::标签_time, K::PlainLabel, 112, 100, 112, 48, "11:11", kDisc);
  clock.font = {"LcdD", 56, false, Charset::Ansi, true};
  ControlDesign panel = Make(C::标签_day, K::PlainLabel, 214, 158, 70, 74, "数据空白", kDisc);
  panel.font = {"黑体", 12, false, Charset::Gb2312};
  panel.align = TextAlign::Left;
  panel.wrap = true;
  ControlDesign cpu = Make(C::标签_cpu占用率, K::TransparentLabel, 80, 66, 56, 32, "100%");
  cpu.font = {"微软雅黑", 19, false, Charset::Gb2312};
  d.controls = {
      button, cpu, Make(C::时钟_cpu占用, K::Timer, 0, 0, 0, 0, ""),
      clock, Make(C::农历月历1, K::LunarCalendar, 473, -16, 365, 262, ""), panel,
      Make(C::图片框1, K::PictureBox, 112, 152, 104, 80, "", kDisc),
      Make(C::时钟1, K::Timer, 0, 0, 0, 0, ""),
  };
  return d;
}

HWND Child(Control control) { return GetDlgItem(platform::MainWindow(), int(control)); }

POINT ScreenCentre(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

LRESULT HitTest(HWND window, POINT screen) {
  return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
}

void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    toolkit::ProcessPendingEvents();
    Sleep(5);
  }
}

bool HasExStyle(HWND window, DWORD flag) {
  return (DWORD(GetWindowLongW(window, GWL_EXSTYLE)) & flag) != 0;
}

void Close() { PostMessageW(platform::MainWindow(), WM_CLOSE, 0, 0); }

// An uncompressed 24-bit BMP, bottom row first as the format wants.
Bytes Bmp(int width, int height, const std::function<COLORREF(int, int)>& colourAt) {
  const int stride = (width * 3 + 3) & ~3;
  const DWORD pixelBytes = DWORD(stride * height);
  Bytes bytes(14 + 40 + pixelBytes, 0);
  auto put32 = [&](std::size_t at, DWORD v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = std::uint8_t(v >> (8 * i));
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, DWORD(bytes.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, DWORD(width));
  put32(22, DWORD(height));
  bytes[26] = 1;
  bytes[28] = 24;
  put32(34, pixelBytes);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      COLORREF c = colourAt(x, y);
      std::size_t at = 54 + std::size_t(height - 1 - y) * stride + std::size_t(x) * 3;
      bytes[at] = GetBValue(c);
      bytes[at + 1] = GetGValue(c);
      bytes[at + 2] = GetRValue(c);
    }
  }
  return bytes;
}

// The pixels the screen shows inside a window, row by row.
std::vector<COLORREF> ScreenPixels(HWND window, RECT* placeOut) {
  RECT r;
  GetWindowRect(window, &r);
  *placeOut = r;
  const int width = r.right - r.left, height = r.bottom - r.top;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  std::vector<COLORREF> pixels(std::size_t(width) * height);
  const auto* bgra = static_cast<const std::uint8_t*>(bits);
  for (std::size_t i = 0; i < pixels.size(); ++i)
    pixels[i] = RGB(bgra[i * 4 + 2], bgra[i * 4 + 1], bgra[i * 4]);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

}  // namespace

TEST(ToolkitWindow, AutomationFindsEveryControlByIdWithItsCaptionAndTheFaceDrags) {
  const WindowDesign design = SmallWidget();
  onCreated = [&] {
    HWND window = platform::MainWindow();
    ASSERT_NE(window, nullptr);
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - 340) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - 341) / 2;
    EXPECT_EQ(outer.left, left);
    EXPECT_EQ(outer.top, top);
    EXPECT_EQ(outer.right - outer.left, 340);
    EXPECT_EQ(outer.bottom - outer.top, 341);
    const int frame = GetSystemMetrics(SM_CXFIXEDFRAME);
    EXPECT_EQ(client.right, 340 - 2 * frame) << "a thin fixed frame and no title bar";
    EXPECT_EQ(client.bottom, 341 - 2 * frame);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME), WS_DLGFRAME);
    HWND owner = GetWindow(window, GW_OWNER);
    ASSERT_NE(owner, nullptr);
    EXPECT_FALSE(IsWindowVisible(owner));
    EXPECT_TRUE(HasExStyle(owner, WS_EX_TOOLWINDOW)) << "no taskbar button";

    for (const ControlDesign& c : design.controls) {
      HWND child = Child(c.id);
      const bool shown = c.kind != ControlKind::Timer && c.kind != ControlKind::LunarCalendar;
      ASSERT_EQ(child != nullptr, shown) << int(c.id);
      if (!shown) continue;
      RECT place = platform::PlaceInParent(child);
      EXPECT_EQ(place.left, c.left) << int(c.id);
      EXPECT_EQ(place.top, c.top) << int(c.id);
      EXPECT_EQ(place.right - place.left, c.width) << int(c.id);
      EXPECT_EQ(place.bottom - place.top, c.height) << int(c.id);
      EXPECT_EQ(platform::WindowTextOf(child), platform::WideFromText(c.text)) << int(c.id);
    }
    EXPECT_EQ(toolkit::Caption(Control::标签_day), "数据空白");
    toolkit::SetCaption(Control::标签_day, "三月初七\r\n\r\n星期日");
    EXPECT_EQ(toolkit::Caption(Control::标签_day), "三月初七\r\n\r\n星期日");
    EXPECT_EQ(platform::WindowTextOf(Child(Control::标签_day)), L"三月初七\r\n\r\n星期日");
    EXPECT_EQ(toolkit::Caption(Control::时钟1), "");

    // Presses on the face, a plain label or a picture move the window; presses on a
    // button or a transparent label stay with them.
    POINT face;
    face.x = outer.left + frame + 20;
    face.y = outer.top + frame + 20;
    EXPECT_EQ(HitTest(window, face), HTCAPTION);
    EXPECT_EQ(HitTest(Child(Control::标签_time), ScreenCentre(Child(Control::标签_time))), HTTRANSPARENT);
    EXPECT_EQ(HitTest(Child(Control::图片框1), ScreenCentre(Child(Control::图片框1))), HTTRANSPARENT);
    EXPECT_EQ(HitTest(Child(Control::超级按钮_置顶), ScreenCentre(Child(Control::超级按钮_置顶))), HTCLIENT);
    EXPECT_EQ(HitTest(Child(Control::标签_cpu占用率), ScreenCentre(Child(Control::标签_cpu占用率))), HTCLIENT);

    // Esc closes the window whichever control it reaches.
    PostMessageW(Child(Control::超级按钮_置顶), WM_KEYDOWN, VK_ESCAPE, 0);
  };
  EXPECT_EQ(RunWindow(design), 0);
  EXPECT_EQ(platform::MainWindow(), nullptr);
}

TEST(ToolkitWindow, WorkerThreadCallsAreDoneOnTheUiThreadBeforeTheyReturn) {
  const DWORD uiThread = GetCurrentThreadId();
  std::atomic<int> ticks{0};
  std::atomic<bool> tickOffUiThread{false};
  std::thread worker;
  HWND cpuLabel = nullptr;
  wchar_t seenRightAfter[64] = {};
  Text readBack;
  bool topmostRightAfter = false;
  bool ticked = false;

  onTimer = [&](Control timer) {
    if (timer != Control::时钟1) return;
    if (GetCurrentThreadId() != uiThread) tickOffUiThread = true;
    ++ticks;
  };
  onCreated = [&] {
    cpuLabel = Child(Control::标签_cpu占用率);
    worker = std::thread([&] {
      toolkit::SetCaption(Control::标签_cpu占用率, "42%");
      // Read without asking the UI thread: the write is complete already.
      InternalGetWindowText(cpuLabel, seenRightAfter, 64);
      readBack = toolkit::Caption(Control::标签_cpu占用率);
      toolkit::SetTopmost(true);
      topmostRightAfter = HasExStyle(platform::MainWindow(), WS_EX_TOPMOST);
      toolkit::SetTip(Control::超级按钮_置顶, "");
      toolkit::SetPicture(Control::图片框1, Bmp(4, 4, [](int, int) { return RGB(1, 2, 3); }));
      // A timer belongs to the window's thread: started from here it must still tick there.
      toolkit::SetTimerPeriod(Control::时钟1, 20);
      for (int i = 0; i < 500 && ticks < 2; ++i) Sleep(10);
      ticked = ticks >= 2;
      Close();
    });
  };
  EXPECT_EQ(RunWindow(SmallWidget()), 0);
  worker.join();
  EXPECT_STREQ(seenRightAfter, L"42%");
  EXPECT_EQ(readBack, "42%");
  EXPECT_TRUE(topmostRightAfter);
  EXPECT_TRUE(ticked);
  EXPECT_FALSE(tickOffUiThread);
}

TEST(ToolkitWindow, TimerPeriodsStartStopAndRestartByTheirRules) {
  WindowDesign design = SmallWidget();
  design.controls.push_back(Make(Control::时钟_天气, ControlKind::Timer, 0, 0, 0, 0, ""));
  design.controls.back().periodMs = 40;  // a design period runs from creation
  std::map<Control, int> ticks;
  onTimer = [&](Control timer) { ++ticks[timer]; };
  onCreated = [&] {
    using C = Control;
    // Setting the current period again leaves the countdown alone: ticks keep coming.
    toolkit::SetTimerPeriod(C::时钟1, 150);
    ticks[C::时钟1] = 0;
    for (int i = 0; i < 12; ++i) {
      PumpFor(50);
      toolkit::SetTimerPeriod(C::时钟1, 150);
    }
    EXPECT_GE(ticks[C::时钟1], 2) << "the same period must not restart the countdown";

    // Any other period restarts it: changed every 50 ms, a 150 ms timer never fires.
    ticks[C::时钟1] = 0;
    for (int i = 0; i < 12; ++i) {
      toolkit::SetTimerPeriod(C::时钟1, 150 + i % 2);
      PumpFor(50);
    }
    EXPECT_EQ(ticks[C::时钟1], 0) << "a new period restarts the countdown";

    // A negative period counts as 0, which stops the timer.
    toolkit::SetTimerPeriod(C::时钟1, 20);
    toolkit::SetTimerPeriod(C::时钟1, -5);
    PumpFor(30);
    ticks[C::时钟1] = 0;
    PumpFor(200);
    EXPECT_EQ(ticks[C::时钟1], 0);

    EXPECT_GT(ticks[C::时钟_天气], 0) << "the design period started at creation";
    EXPECT_EQ(ticks[C::时钟_cpu占用], 0) << "a design period of 0 stays stopped";
    Close();
  };
  EXPECT_EQ(RunWindow(design), 0);
}

TEST(ToolkitWindow, OpacityTopmostAndShapeFromAPicture) {
  onCreated = [] {
    HWND window = platform::MainWindow();
    auto alpha = [&] {
      BYTE a = 0;
      DWORD flags = 0;
      GetLayeredWindowAttributes(window, nullptr, &a, &flags);
      return (flags & LWA_ALPHA) ? int(a) : -1;
    };
    EXPECT_FALSE(HasExStyle(window, WS_EX_LAYERED)) << "opaque, not layered at start";
    for (auto [level, applied] : {std::pair{128, 128}, {300, 255}, {10, 10}, {-1, 255}, {0, 0}}) {
      toolkit::SetOpacity(level);
      EXPECT_TRUE(HasExStyle(window, WS_EX_LAYERED));
      EXPECT_EQ(alpha(), applied) << level;
    }
    toolkit::SetTopmost(true);
    EXPECT_TRUE(HasExStyle(window, WS_EX_TOPMOST));
    toolkit::SetTopmost(false);
    EXPECT_FALSE(HasExStyle(window, WS_EX_TOPMOST));

    // Two runs on row 6 and one on row 5 of a white picture, in window coordinates.
    const Bytes skin = Bmp(340, 341, [](int x, int y) {
      bool inside = (y == 6 && ((x >= 10 && x < 30) || (x >= 40 && x < 45))) ||
                    (y == 5 && x >= 12 && x < 14);
      return inside ? RGB(68, 68, 68) : RGB(255, 255, 255);
    });
    toolkit::SetShapeFromPicture(skin, 0xFFFFFF);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window, region), ERROR);
    RECT box;
    GetRgnBox(region, &box);
    EXPECT_EQ(box.left, 10);
    EXPECT_EQ(box.top, 5);
    EXPECT_EQ(box.right, 45);
    EXPECT_EQ(box.bottom, 7);
    EXPECT_TRUE(PtInRegion(region, 12, 5));
    EXPECT_FALSE(PtInRegion(region, 14, 5));
    EXPECT_TRUE(PtInRegion(region, 29, 6));
    EXPECT_FALSE(PtInRegion(region, 35, 6));

    // Undecodable bytes, and a picture that is see-through everywhere, leave the shape.
    toolkit::SetShapeFromPicture(Bytes{1, 2, 3}, 0xFFFFFF);
    toolkit::SetShapeFromPicture(Bmp(8, 8, [](int, int) { return RGB(255, 255, 255); }), 0xFFFFFF);
    HRGN after = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(window, after);
    EXPECT_TRUE(EqualRgn(region, after));
    DeleteObject(after);
    DeleteObject(region);
    // The system's close command ends the run like Esc: exit code 0.
    PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
  };
  EXPECT_EQ(RunWindow(SmallWidget()), 0);
}

TEST(ToolkitWindow, DrawsFlatButtonsSegmentDigitsAndStretchedPictures) {
  WindowDesign design = SmallWidget();
  // The date panel overlaps the picture's right edge by two columns; only the picture here.
  std::erase_if(design.controls, [](const ControlDesign& c) { return c.id == Control::标签_day; });
  design.controls.push_back(Make(Control::时钟_天气, ControlKind::Timer, 0, 0, 0, 0, ""));
  design.controls.back().periodMs = 300;  // first tick: the window is on screen
  onCreated = [] {};
  onTimer = [](Control timer) {
    if (timer != Control::时钟_天气) return;
    toolkit::SetTimerPeriod(timer, 0);
    auto count = [](HWND control, auto&& predicate) {
      RECT place;
      int n = 0;
      for (COLORREF p : ScreenPixels(control, &place)) n += predicate(p) ? 1 : 0;
      return n;
    };
    const COLORREF disc = RGB(223, 230, 240);
    auto isDisc = [&](COLORREF p) { return p == disc; };
    auto isDark = [](COLORREF p) { return GetRValue(p) + GetGValue(p) + GetBValue(p) < 200; };

    HWND button = Child(Control::超级按钮_置顶);
    EXPECT_EQ(count(button, isDisc), 56 * 24) << "at rest a button's caption cannot be seen";

    HWND clock = Child(Control::标签_time);
    EXPECT_GT(count(clock, isDark), 300) << "the clock's digits are drawn";

    HWND picture = Child(Control::图片框1);
    EXPECT_EQ(count(picture, isDisc), 104 * 80) << "no picture: the background colour";
    // Red on the left, blue on the right, stretched over the whole box.
    toolkit::SetPicture(Control::图片框1, Bmp(2, 1, [](int x, int) {
                          return x == 0 ? RGB(255, 0, 0) : RGB(0, 0, 255);
                        }));
    RECT place;
    std::vector<COLORREF> shown = ScreenPixels(picture, &place);
    EXPECT_EQ(shown[0], RGB(255, 0, 0));
    EXPECT_EQ(shown[79 * 104 + 103], RGB(0, 0, 255));
    toolkit::SetBackColour(Control::图片框1, 0x00FF00);
    toolkit::SetPicture(Control::图片框1, Bytes{0x47, 0x49, 0x46});  // broken: background only
    EXPECT_EQ(count(picture, [](COLORREF p) { return p == RGB(0, 255, 0); }), 104 * 80);
    Close();
  };
  EXPECT_EQ(RunWindow(design), 0);
}
