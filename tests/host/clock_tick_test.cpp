#include <gtest/gtest.h>

#include "clock/clock_tick.h"
#include "tests/fakes/toolkit_fake.h"

namespace {

struct Tick {
  LocalDateTime now;
  const char* time;
  const char* seconds;
  const char* panel;
};

void ExpectTick(const Tick& t) {
  fake::state.now = t.now;
  ClockTick();
  EXPECT_EQ(fake::state.captions[Control::标签_time], t.time);
  EXPECT_EQ(fake::state.captions[Control::标签_time1], t.seconds);
  EXPECT_EQ(fake::state.captions[Control::标签_day], t.panel);
}

}  // namespace

TEST(ClockTick, WritesTheClockAndTheFiveLinePanelOfOneInstant) {
  const Tick ticks[] = {
      {{2021, 4, 18, 9, 5, 7}, "09:05", "07", "三月初七\r\n\r\n周日 04月18\r\n2021第16周\r\n白羊座"},
      {{2022, 12, 31, 23, 59, 59}, "23:59", "59",
       "腊月初九\r\n\r\n周六 12月31\r\n2022第53周\r\n魔羯座"},
      // The next second: a new day, a new year and week 0, every line changed.
      {{2023, 1, 1, 0, 0, 0}, "00:00", "00", "腊月初十\r\n\r\n周日 01月01\r\n2023第0周\r\n魔羯座"},
      {{2023, 1, 2, 12, 30, 9}, "12:30", "09", "腊月十一\r\n\r\n周一 01月02\r\n2023第1周\r\n魔羯座"},
      {{2021, 5, 3, 7, 0, 0}, "07:00", "00", "三月廿二\r\n\r\n周一 05月03\r\n2021第19周\r\n金牛座"},
      {{2021, 5, 1, 18, 45, 30}, "18:45", "30", "三月廿十\r\n\r\n周六 05月01\r\n2021第18周\r\n金牛座"},
      {{2020, 5, 23, 10, 10, 10}, "10:10", "10",
       "闰四月初一\r\n\r\n周六 05月23\r\n2020第21周\r\n双子座"},
  };
  for (const Tick& t : ticks) {
    SCOPED_TRACE(t.panel);
    fake::Reset();
    ExpectTick(t);
  }
}

TEST(ClockTick, PastTheLunarRangeTheFirstLineIsEmptyAndTheWeekdayStillRight) {
  fake::Reset();
  ExpectTick({{2100, 12, 31, 23, 59, 59}, "23:59", "59",
              "腊月初一\r\n\r\n周五 12月31\r\n2100第53周\r\n魔羯座"});
  // The lunar calendar refuses 2101 and keeps 31 December 2100; the panel must not show
  // that day's lunar date or weekday for the new day.
  ExpectTick({{2101, 1, 1, 0, 0, 0}, "00:00", "00", "\r\n\r\n周六 01月01\r\n2101第1周\r\n魔羯座"});
  // Back inside the range (a clock set back) the lunar line returns.
  ExpectTick({{2021, 4, 18, 9, 5, 7}, "09:05", "07",
              "三月初七\r\n\r\n周日 04月18\r\n2021第16周\r\n白羊座"});
}

TEST(ZodiacSign, BoundariesAndEveryDayOfALeapYear) {
  const struct {
    int month, day;
    const char* sign;
  } cases[] = {
      {1, 20, "魔羯座"},  {1, 21, "水瓶座"},  {2, 19, "水瓶座"},  {2, 20, "双鱼座"},
      {2, 29, "双鱼座"},  {3, 20, "双鱼座"},  {3, 21, "白羊座"},  {4, 20, "白羊座"},
      {4, 21, "金牛座"},  {5, 21, "金牛座"},  {5, 22, "双子座"},  {6, 21, "双子座"},
      {6, 22, "巨蟹座"},  {7, 22, "巨蟹座"},  {7, 23, "狮子座"},  {8, 23, "狮子座"},
      {8, 24, "处女座"},  {9, 23, "处女座"},  {9, 24, "天秤座"},  {10, 23, "天秤座"},
      {10, 24, "天蝎座"}, {11, 22, "天蝎座"}, {11, 23, "射手座"}, {12, 21, "射手座"},
      {12, 22, "魔羯座"}, {12, 31, "魔羯座"}, {1, 1, "魔羯座"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ZodiacSign({2024, c.month, c.day, 0, 0, 0}), c.sign) << c.month << "-" << c.day;
  }
  // Every day of a leap year has a sign, and the signs change exactly at the twelve
  // boundaries (counting the turn of the year at 1 January as no change).
  const int monthDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  Text previous = ZodiacSign({2024, 1, 1, 0, 0, 0});
  int changes = 0;
  for (int m = 1; m <= 12; ++m) {
    for (int d = 1; d <= monthDays[m - 1]; ++d) {
      const Text sign = ZodiacSign({2024, m, d, 0, 0, 0});
      ASSERT_FALSE(sign.empty()) << m << "-" << d;
      changes += sign != previous;
      previous = sign;
    }
  }
  EXPECT_EQ(changes, 12);
}

TEST(WeekdayWord, MondayToSundayAndNothingElse) {
  const char* const words[] = {"一", "二", "三", "四", "五", "六", "日"};
  for (int n = 1; n <= 7; ++n) EXPECT_EQ(WeekdayWord(std::to_string(n)), words[n - 1]);
  for (const char* other : {"0", "8", "", "11", "-1"}) EXPECT_EQ(WeekdayWord(other), "") << other;
}
