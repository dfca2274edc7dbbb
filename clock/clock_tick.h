// The one-second tick of timer 时钟1: the big clock (标签_time hh:mm, 标签_time1 ss) and
// the five-line date panel 标签_day.
#pragma once

#include "platform/text.h"
#include "platform/toolkit.h"

// Handler of 时钟1. Reads now once and rebuilds all three captions from that instant.
void ClockTick();

// "1" … "7" (Monday … Sunday) → 一 二 三 四 五 六 日; any other text → "".
Text WeekdayWord(const Text& weekday);

// The Western zodiac sign of the date's month and day.
Text ZodiacSign(const LocalDateTime& date);
