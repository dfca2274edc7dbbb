#include <gtest/gtest.h>

#include "platform/embedded.h"
#include "shell/layout.h"
#include "shell/main_window.h"
#include "tests/fakes/toolkit_fake.h"

namespace {

int LeadingNumber(const Text& text) { return int(LeadingInteger(text)); }

}  // namespace

TEST(Startup, SimulatedProgramFillsItsReadingsAndTheLook) {
  fake::Reset();
  opacityLevel = 0;
  weatherPeriodMinutes = 0;
  InitMainWindow();
  const auto& s = fake::state;

  const Text cpu = s.captions.at(Control::标签_cpu占用率);
  EXPECT_EQ(cpu.back(), '%');
  EXPECT_GE(LeadingNumber(cpu), 12);
  EXPECT_LE(LeadingNumber(cpu), 100);
  EXPECT_GE(coreCount, 3);
  EXPECT_LE(coreCount, 12);

  EXPECT_EQ(s.timerPeriods.at(Control::时钟1), 1000);
  EXPECT_EQ(s.timerPeriods.count(Control::时钟_天气), 0u) << "the weather timer waits for a button";
  EXPECT_EQ(s.shape, LoadEmbeddedPicture(EmbeddedPicture::Skin));
  EXPECT_FALSE(s.shape.empty());
  EXPECT_EQ(s.shapeSeeThrough, 0xFFFFFFu);
  EXPECT_EQ(s.pictures.at(Control::图片框1), LoadEmbeddedPicture(EmbeddedPicture::Animation));
  EXPECT_TRUE(s.opacityLevels.empty()) << "the window starts opaque without a transparency call";
  EXPECT_EQ(opacityLevel, 255);
  EXPECT_EQ(weatherPeriodMinutes, 2);

  for (Control c : {Control::标签_time, Control::标签_time1, Control::标签_day, Control::图片框2})
    EXPECT_EQ(s.backColours.at(c), 0xF0E6DFu) << int(c);
  for (Control c : {Control::标签_day1, Control::标签_day2}) {
    EXPECT_EQ(s.backColours.at(c), 0x444444u) << int(c);
    EXPECT_EQ(s.textColours.at(c), 0xF0E6DFu) << int(c);
  }
}

TEST(Layout, ControlsAreNumberedInCreationOrder) {
  WindowDesign d = MainWindowDesign();
  EXPECT_EQ(d.outerWidth, 340);
  EXPECT_EQ(d.outerHeight, 341);
  ASSERT_EQ(int(d.controls.size()), kControlCount);
  for (int i = 0; i < kControlCount; ++i) EXPECT_EQ(int(d.controls[i].id), i + 1);
  EXPECT_FALSE(d.backgroundPicture.empty());
}
