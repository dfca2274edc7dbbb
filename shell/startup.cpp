#include "platform/embedded.h"
#include "platform/toolkit.h"
#include "shell/layout.h"
#include "shell/main_window.h"

void RunCommonStartupSteps() {
  toolkit::SetTimerPeriod(Control::时钟1, 1000);
  toolkit::SetShapeFromPicture(LoadEmbeddedPicture(EmbeddedPicture::Skin), kSeeThroughColour);
  // Only recorded: the window stays opaque and the weather timer stopped until the user
  // presses one of the buttons.
  opacityLevel = 255;
  weatherPeriodMinutes = 2;
  toolkit::SetPicture(Control::图片框1, LoadEmbeddedPicture(EmbeddedPicture::Animation));
  for (Control c : {Control::标签_time, Control::标签_time1, Control::标签_day})
    toolkit::SetBackColour(c, kDiscColour);
  for (Control c : {Control::标签_day1, Control::标签_day2}) {
    toolkit::SetBackColour(c, kRingColour);
    toolkit::SetTextColour(c, kDiscColour);
  }
  toolkit::SetBackColour(Control::图片框2, kDiscColour);
}
