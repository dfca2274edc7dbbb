// The lunar calendar component (control 农历月历1 of the main window, never visible): a
// Gregorian date in; the Chinese lunar month and day names and the weekday number out.
// It covers 19 February 1901 (lunar new year 1901) to 31 December 2100.
#pragma once

#include "platform/text.h"

struct LunarMonthCalendar {
  // Created on a date; outside the covered range (or not a real date) the component still
  // holds it, gives its weekday, and has no lunar reading: month and day texts are empty.
  LunarMonthCalendar(int year, int month, int day);

  int year, month, day;  // the Gregorian date
  // Its lunar reading: month 1..12, leap flag, day 1..30; 0 when outside the coverage.
  int lunarMonth = 0;
  bool leapMonth = false;
  int lunarDay = 0;
};

bool LunarCalendarCovers(int year, int month, int day);

// Sets the date. A date outside the covered range is refused (false) and the component
// keeps its date.
bool SetDate(LunarMonthCalendar& calendar, int year, int month, int day);

// "闰" for a leap month, then 正月 二月 … 十月 冬月 腊月.
Text LunarMonthText(const LunarMonthCalendar& calendar);
// Two characters: 初一 … 初十, 十一 … 十九, 廿十, 廿一 … 廿九, 三十.
Text LunarDayText(const LunarMonthCalendar& calendar);
// 1 = Monday … 7 = Sunday.
int WeekdayNumber(const LunarMonthCalendar& calendar);
