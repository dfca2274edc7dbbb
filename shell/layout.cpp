#include "shell/layout.h"

#include "platform/embedded.h"

namespace {

// Design values shared by groups of controls.
const FontDesign kYaHei12{"微软雅黑", 12, false, Charset::Gb2312};
const FontDesign kYaHei19{"微软雅黑", 19, false, Charset::Gb2312};
const FontDesign kHeiTiButton{"黑体", 12, false, Charset::Ansi};
const FontDesign kDefaultFace{"", 12, false, Charset::Gb2312};
const FontDesign kDefaultFaceBold{"", 12, true, Charset::Gb2312};

ControlDesign TransparentLabel(Control id, int left, int top, int width, int height, Text text,
                               FontDesign font, TextAlign align = TextAlign::Centre) {
  ControlDesign c{id, ControlKind::TransparentLabel, left, top, width, height, std::move(text)};
  c.font = std::move(font);
  c.backColour = kNoColour;
  c.align = align;
  return c;
}

ControlDesign PlainLabel(Control id, int left, int top, int width, int height, Text text,
                         FontDesign font, Colour back, TextAlign align, bool wrap) {
  ControlDesign c{id, ControlKind::PlainLabel, left, top, width, height, std::move(text)};
  c.font = std::move(font);
  c.backColour = back;
  c.align = align;
  c.wrap = wrap;
  return c;
}

ControlDesign Button(Control id, int top, Text caption, Text tip) {
  ControlDesign c{id, ControlKind::Button, 56, top, 56, 24, std::move(caption)};
  c.tip = std::move(tip);
  c.font = kHeiTiButton;
  c.backColour = kDiscColour;
  return c;
}

ControlDesign PictureBox(Control id, int left, int top, int width, int height, Colour back) {
  ControlDesign c{id, ControlKind::PictureBox, left, top, width, height};
  c.backColour = back;
  return c;
}

ControlDesign Timer(Control id, int periodMs) {
  ControlDesign c{id, ControlKind::Timer};
  c.periodMs = periodMs;
  return c;
}

}  // namespace

WindowDesign MainWindowDesign() {
  using C = Control;
  const FontDesign lcd56{"LcdD", 56, false, Charset::Ansi, true};
  const FontDesign lcd20{"LcdD", 20, false, Charset::Ansi, true};
  const FontDesign heiTiPanel{"黑体", 12, false, Charset::Gb2312};
  const FontDesign heiTiBold{"黑体", 12, true, Charset::Ansi};

  WindowDesign d;
  d.outerWidth = 340;
  d.outerHeight = 341;
  d.title = "";
  d.backgroundPicture = LoadEmbeddedPicture(EmbeddedPicture::Background);
  ControlDesign calendar{C::农历月历1, ControlKind::LunarCalendar, 473, -16, 365, 262};
  d.controls = {
      TransparentLabel(C::标签_天气指数, 56, 232, 224, 24, "穿衣:N 洗车:N 紫外线:N 感冒:N", kYaHei12),
      TransparentLabel(C::标签_地区, 214, 254, 72, 24, "山东", kYaHei12, TextAlign::Left),
      Button(C::超级按钮_置顶, 208, "置顶", "点击开启窗口置顶"),
      TransparentLabel(C::标签_占用率统计1, 112, 272, 136, 40, "内存：100℃", kYaHei12),
      TransparentLabel(C::标签_占用率统计, 64, 246, 136, 40, "CPU：100℃", kYaHei12),
      TransparentLabel(C::标签_cpu占用率, 80, 66, 56, 32, "100%", kYaHei19),
      Timer(C::时钟_cpu占用, 3000),
      PlainLabel(C::标签_天气1, 148, 62, 36, 27, "NN℃", kDefaultFaceBold, kDiscColour, TextAlign::Centre, true),
      Timer(C::时钟_天气, 0),
      Button(C::超级按钮_时钟_增, 184, "天气↑", "增加时钟周期,当前:2分钟刷新一次"),
      Button(C::超级按钮_时钟_减, 160, "天气↓", "降低时钟周期,当前:2分钟刷新一次"),
      PictureBox(C::图片框2, 227, 66, 22, 22, kSystemFaceColour),
      PlainLabel(C::标签_实时, 146, 44, 62, 16, "NNNN", kDefaultFaceBold, kDiscColour, TextAlign::Centre, true),
      PlainLabel(C::标签_day2, 120, 24, 88, 13, "veskara.example", kDefaultFace, kSystemFaceColour, TextAlign::Centre, true),
      PlainLabel(C::标签_day1, 128, 308, 88, 13, "by:qolvex", kDefaultFace, kSystemFaceColour, TextAlign::Centre, true),
      Button(C::超级按钮_透明度_增加, 136, "透明度↑", "增加透明度"),
      Button(C::超级按钮_透明度_降低, 112, "透明度↓", "降低透明度"),
      PlainLabel(C::标签_time, 112, 100, 112, 48, "11:11", lcd56, kDiscColour, TextAlign::Centre, false),
      PlainLabel(C::标签_time1, 224, 104, 48, 44, "59", lcd20, kDiscColour, TextAlign::Centre, false),
      calendar,
      PlainLabel(C::标签_day, 214, 158, 70, 74, "数据空白", heiTiPanel, kDiscColour, TextAlign::Left, true),
      PictureBox(C::图片框1, 112, 152, 104, 80, kDiscColour),
      Timer(C::时钟1, 0),
      PlainLabel(C::标签_天气2, 184, 62, 44, 27, "N°△\r\nN°△", heiTiBold, kDiscColour, TextAlign::Centre, true),
  };
  return d;
}
