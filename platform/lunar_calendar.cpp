#include "platform/lunar_calendar.h"

#include <cstdint>

#include "platform/civil_date.h"

namespace {

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2100;

// One entry per lunar year from kFirstYear, made by tools/lunar_table.py from
// tests/fixtures/lunar_month_starts.txt:
//   bits 0..12   month lengths in calendar order, the leap month in its place: 1 = 30 days
//   bits 13..16  number of the month that is followed by a leap month, 0 when none
//   bits 17..22  days from 1 January of the Gregorian year to the lunar new year
constexpr std::uint32_t kLunarYears[kLastYear - kFirstYear + 1] = {
    0x620752, 0x4C0EA5, 0x38B64A, 0x5C064B, 0x440A9B, 0x309556, 0x56056A, 0x400B59,
    0x2A5752, 0x500752, 0x3ADB25, 0x600B25, 0x480A4B, 0x32B4AB, 0x5802AD, 0x42056B,
    0x2C4B69, 0x520DA9, 0x3EFD92, 0x640E92, 0x4C0D25, 0x36BA4D, 0x5C0A56, 0x4602B6,
    0x2E95B5, 0x5606D4, 0x400EA9, 0x2C5E92, 0x500E92, 0x3ACD26, 0x5E052B, 0x480A57,
    0x32B2B6, 0x580B5A, 0x4406D4, 0x2E6EC9, 0x520749, 0x3CF693, 0x620A93, 0x4C052B,
    0x34CA5B, 0x5A0AAD, 0x46056A, 0x309B55, 0x560BA4, 0x400B49, 0x2A5A93, 0x500A95,
    0x38F52D, 0x5E0536, 0x480AAD, 0x34B5AA, 0x5805B2, 0x420DA5, 0x2E7D4A, 0x540D4A,
    0x3D0A95, 0x600A97, 0x4C0556, 0x36CAB5, 0x5A0AD5, 0x4606D2, 0x308EA5, 0x560EA5,
    0x40064A, 0x286C97, 0x4E0A9B, 0x3AF55A, 0x5E056A, 0x480B69, 0x34B752, 0x5A0B52,
    0x420B25, 0x2C964B, 0x520A4B, 0x3D14AB, 0x6002AD, 0x4A056D, 0x36CB69, 0x5C0DA9,
    0x460D92, 0x309D25, 0x560D25, 0x415A4D, 0x640A56, 0x4E02B6, 0x38C5B5, 0x5E06D5,
    0x480EA9, 0x34BE92, 0x5A0E92, 0x440D26, 0x2C6A56, 0x500A57, 0x3D14D6, 0x62035A,
    0x4A06D5, 0x36B6C9, 0x5C0749, 0x460693, 0x2E952B, 0x54052B, 0x3E0A5B, 0x2A555A,
    0x4E056A, 0x38FB55, 0x600BA4, 0x4A0B49, 0x32BA93, 0x580A95, 0x42052D, 0x2C8AAD,
    0x500AB5, 0x3D35AA, 0x6205D2, 0x4C0DA5, 0x36DD4A, 0x5C0D4A, 0x460C95, 0x30952E,
    0x540556, 0x3E0AB5, 0x2A55B2, 0x5006D2, 0x38CEA5, 0x5E0725, 0x48064B, 0x32AC97,
    0x560CAB, 0x42055A, 0x2C6AD6, 0x520B69, 0x3D7752, 0x620B52, 0x4C0B25, 0x36DA4B,
    0x5A0A4B, 0x4404AB, 0x2EA55B, 0x5405AD, 0x3E0B6A, 0x2A5B52, 0x500D92, 0x3AFD25,
    0x5E0D25, 0x480A55, 0x32B4AD, 0x5804B6, 0x4005B5, 0x2C6DAA, 0x520EC9, 0x3F1E92,
    0x620E92, 0x4C0D26, 0x36CA56, 0x5A0A57, 0x440556, 0x2E86D5, 0x540755, 0x400749,
    0x286E93, 0x4E0693, 0x38F52B, 0x5E052B, 0x460A5B, 0x32B55A, 0x58056A, 0x420B65,
    0x2C974A, 0x520B4A, 0x3D1A95, 0x620A95, 0x4A052D, 0x34CAAD, 0x5A0AB5, 0x4605AA,
    0x2E8BA5, 0x540DA5, 0x400D4A, 0x2A7C95, 0x4E0C96, 0x38F94E, 0x5E0556, 0x480AB5,
    0x32B5B2, 0x5806D2, 0x420EA5, 0x2E8E4A, 0x50068B, 0x3B0C97, 0x6004AB, 0x4A055B,
    0x34CAD6, 0x5A0B6A, 0x460752, 0x309725, 0x540B45, 0x3E0A8B, 0x28549B, 0x4E04AB,
};

int LeapMonthOf(std::uint32_t entry) { return int(entry >> 13 & 0xF); }

int NewYearDayNumber(int lunarYear) {
  return DayNumber(lunarYear, 1, 1) + int(kLunarYears[lunarYear - kFirstYear] >> 17 & 0x3F);
}

// Fills the lunar reading of a covered date.
void ReadLunarDate(LunarMonthCalendar& c) {
  const int dayNumber = DayNumber(c.year, c.month, c.day);
  int lunarYear = c.year;
  if (dayNumber < NewYearDayNumber(lunarYear)) --lunarYear;  // before this year's new year
  int daysIn = dayNumber - NewYearDayNumber(lunarYear);
  const std::uint32_t entry = kLunarYears[lunarYear - kFirstYear];
  const int leap = LeapMonthOf(entry);
  auto lengthOf = [entry](int place) { return 29 + int(entry >> place & 1); };
  int k = 0;  // the month's place in the year, the leap month counted
  while (daysIn >= lengthOf(k)) daysIn -= lengthOf(k++);
  c.leapMonth = leap != 0 && k == leap;
  c.lunarMonth = leap != 0 && k >= leap ? k : k + 1;
  c.lunarDay = daysIn + 1;
}

}  // namespace

bool LunarCalendarCovers(int year, int month, int day) {
  if (!IsValidDate(year, month, day) || year < kFirstYear || year > kLastYear) return false;
  return year > kFirstYear || DayNumber(year, month, day) >= NewYearDayNumber(kFirstYear);
}

LunarMonthCalendar::LunarMonthCalendar(int y, int m, int d) : year(y), month(m), day(d) {
  if (LunarCalendarCovers(y, m, d)) ReadLunarDate(*this);
}

bool SetDate(LunarMonthCalendar& calendar, int year, int month, int day) {
  if (!LunarCalendarCovers(year, month, day)) return false;
  calendar = LunarMonthCalendar(year, month, day);
  return true;
}

Text LunarMonthText(const LunarMonthCalendar& c) {
  static const char* const kNames[12] = {"正月", "二月", "三月", "四月", "五月", "六月",
                                         "七月", "八月", "九月", "十月", "冬月", "腊月"};
  if (c.lunarMonth < 1 || c.lunarMonth > 12) return {};
  return Text(c.leapMonth ? "闰" : "") + kNames[c.lunarMonth - 1];
}

Text LunarDayText(const LunarMonthCalendar& c) {
  static const char* const kDigits[10] = {"一", "二", "三", "四", "五",
                                          "六", "七", "八", "九", "十"};
  const int d = c.lunarDay;
  if (d < 1 || d > 30) return {};
  if (d <= 10) return Text("初") + kDigits[d - 1];
  if (d < 20) return Text("十") + kDigits[d - 11];
  if (d == 20) return "廿十";  // 廿 and 十 on the twentieth, not 二十
  if (d < 30) return Text("廿") + kDigits[d - 21];
  return "三十";
}

int WeekdayNumber(const LunarMonthCalendar& c) {
  const int fromSunday = WeekdayFromSunday(c.year, c.month, c.day);
  return fromSunday == 0 ? 7 : fromSunday;
}
