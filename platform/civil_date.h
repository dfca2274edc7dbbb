// Plain Gregorian date arithmetic (proleptic calendar, no time zones), shared by the week
// rule and the lunar calendar so that neither depends on a clock or a daylight-saving rule.
#pragma once

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);  // 0 for a month outside 1..12
bool IsValidDate(int year, int month, int day);

// Consecutive day number: 1 January 1970 is 0, earlier days are negative.
int DayNumber(int year, int month, int day);

// 0 = Sunday, 1 = Monday ... 6 = Saturday.
int WeekdayFromSunday(int year, int month, int day);
