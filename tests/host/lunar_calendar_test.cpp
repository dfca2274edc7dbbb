#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/lunar_calendar.h"

namespace {

// Gregorian dates by the C library's day count, apart from the arithmetic under test.
// (<chrono> cannot be compiled to code page 936: it holds a micro sign.)
struct Date {
  int y, m, d;
};

long long DaysSinceEpoch(Date date) {
  std::tm t{};
  t.tm_year = date.y - 1900;
  t.tm_mon = date.m - 1;
  t.tm_mday = date.d;
  return timegm(&t) / 86400;
}

Date DateOfDays(long long days) {
  const std::time_t seconds = days * 86400;
  std::tm t{};
  gmtime_r(&seconds, &t);
  return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday};
}

struct MonthStart {
  Date date;
  int month;
  bool leap;
};

// The verified first days of all lunar months of the covered range, and the new year
// after it.
std::vector<MonthStart> ReadMonthStarts() {
  std::ifstream file(VESKARA_SOURCE_DIR "/tests/fixtures/lunar_month_starts.txt");
  std::vector<MonthStart> starts;
  std::string line;
  while (std::getline(file, line)) {
    if (line.empty() || line[0] == '#') continue;
    int y = 0, m = 0, d = 0, month = 0, leap = 0;
    char dash1 = 0, dash2 = 0;
    std::istringstream(line) >> y >> dash1 >> m >> dash2 >> d >> month >> leap;
    starts.push_back({{y, m, d}, month, leap == 1});
  }
  return starts;
}

bool Set(LunarMonthCalendar& c, Date date) { return SetDate(c, date.y, date.m, date.d); }

bool Covered(Date date) {
  const long long n = DaysSinceEpoch(date);
  return n >= DaysSinceEpoch({1901, 2, 19}) && n <= DaysSinceEpoch({2100, 12, 31});
}

}  // namespace

TEST(LunarMonthCalendar, ReadsTheKnownDates) {
  const struct {
    int y, m, d;
    const char* month;
    const char* day;
    int weekday;
  } cases[] = {
      {2021, 4, 18, "三月", "初七", 7},  {2021, 5, 1, "三月", "廿十", 6},
      {2021, 2, 11, "腊月", "三十", 4},  {2021, 2, 12, "正月", "初一", 5},
      {2020, 5, 23, "闰四月", "初一", 6}, {2033, 12, 22, "闰冬月", "初一", 4},
      {1901, 2, 19, "正月", "初一", 2},  {2048, 12, 31, "冬月", "廿七", 4},
      {2100, 12, 31, "腊月", "初一", 5},  {2000, 2, 29, "正月", "廿五", 2},
  };
  LunarMonthCalendar c(2021, 1, 1);
  for (const auto& k : cases) {
    ASSERT_TRUE(SetDate(c, k.y, k.m, k.d)) << k.y << "-" << k.m << "-" << k.d;
    EXPECT_EQ(LunarMonthText(c), k.month) << k.y << "-" << k.m << "-" << k.d;
    EXPECT_EQ(LunarDayText(c), k.day) << k.y << "-" << k.m << "-" << k.d;
    EXPECT_EQ(WeekdayNumber(c), k.weekday) << k.y << "-" << k.m << "-" << k.d;
  }
}

TEST(LunarMonthCalendar, NamesEveryMonthAndEveryDay) {
  // Lunar year 2023 has a leap second month; its thirteen months start on these days.
  const struct {
    int y, m, d;
    const char* name;
  } months[] = {
      {2023, 1, 22, "正月"}, {2023, 2, 20, "二月"},   {2023, 3, 22, "闰二月"},
      {2023, 4, 20, "三月"}, {2023, 5, 19, "四月"},   {2023, 6, 18, "五月"},
      {2023, 7, 18, "六月"}, {2023, 8, 16, "七月"},   {2023, 9, 15, "八月"},
      {2023, 10, 15, "九月"}, {2023, 11, 13, "十月"}, {2023, 12, 13, "冬月"},
      {2024, 1, 11, "腊月"},
  };
  for (const auto& k : months) {
    EXPECT_EQ(LunarMonthText(LunarMonthCalendar(k.y, k.m, k.d)), k.name) << k.name;
  }

  // The third month of 2021 runs from 12 April to 11 May, thirty days.
  const char* const dayNames[30] = {
      "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
      "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "廿十",
      "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
  LunarMonthCalendar c(2021, 1, 1);
  const long long first = DaysSinceEpoch({2021, 4, 12});
  for (int i = 0; i < 30; ++i) {
    ASSERT_TRUE(Set(c, DateOfDays(first + i)));
    EXPECT_EQ(LunarDayText(c), dayNames[i]);
  }
}

TEST(LunarMonthCalendar, AgreesWithEveryVerifiedMonthStart) {
  const std::vector<MonthStart> starts = ReadMonthStarts();
  ASSERT_GT(starts.size(), 2400u);
  LunarMonthCalendar c(2021, 1, 1);
  for (std::size_t i = 0; i < starts.size(); ++i) {
    const MonthStart& s = starts[i];
    const Date dayBefore = DateOfDays(DaysSinceEpoch(s.date) - 1);
    SCOPED_TRACE(testing::Message() << s.date.y << "-" << s.date.m << "-" << s.date.d);
    if (Covered(s.date)) {
      ASSERT_TRUE(Set(c, s.date));
      EXPECT_EQ(c.lunarMonth, s.month);
      EXPECT_EQ(c.leapMonth, s.leap);
      EXPECT_EQ(c.lunarDay, 1);
    } else {
      EXPECT_FALSE(Set(c, s.date));
    }
    if (!Covered(dayBefore)) {
      EXPECT_FALSE(Set(c, dayBefore));
      continue;
    }
    // The day before is the last day of the previous month: its 29th or 30th.
    const MonthStart& previous = starts[i - 1];
    ASSERT_TRUE(Set(c, dayBefore));
    EXPECT_EQ(c.lunarMonth, previous.month);
    EXPECT_EQ(c.leapMonth, previous.leap);
    EXPECT_EQ(c.lunarDay, DaysSinceEpoch(s.date) - DaysSinceEpoch(previous.date));
  }
}

TEST(LunarMonthCalendar, RefusesDatesOutsideItsRangeAndKeepsItsDate) {
  LunarMonthCalendar c(2021, 4, 18);
  const int refused[][3] = {
      {1901, 2, 18}, {1900, 6, 1}, {2101, 1, 1}, {9999, 1, 1}, {0, 1, 1},
      {2021, 2, 29}, {2100, 2, 29}, {2021, 4, 31}, {2021, 13, 1}, {2021, 0, 10}, {2021, 5, 0},
  };
  for (const auto& r : refused) {
    EXPECT_FALSE(SetDate(c, r[0], r[1], r[2])) << r[0] << "-" << r[1] << "-" << r[2];
    EXPECT_EQ(c.year * 10000 + c.month * 100 + c.day, 20210418);
    EXPECT_EQ(LunarMonthText(c) + LunarDayText(c), "三月初七");
    EXPECT_EQ(WeekdayNumber(c), 7);
  }
}

TEST(LunarMonthCalendar, CreatedOutsideItsRangeGivesNoLunarTextsButTheWeekday) {
  const struct {
    int y, m, d, weekday;
  } cases[] = {{1901, 2, 18, 1}, {1900, 1, 1, 1}, {2101, 1, 1, 6}, {2101, 1, 29, 6}};
  for (const auto& k : cases) {
    const LunarMonthCalendar c(k.y, k.m, k.d);
    EXPECT_EQ(LunarMonthText(c), "") << k.y;
    EXPECT_EQ(LunarDayText(c), "") << k.y;
    EXPECT_EQ(WeekdayNumber(c), k.weekday) << k.y;
  }
}
