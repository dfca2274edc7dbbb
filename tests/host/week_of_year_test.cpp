#include <gtest/gtest.h>

#include "clock/week_of_year.h"

namespace {
struct WeekCase {
  int year, month, day, week;
};
}  // namespace

TEST(WeekOfYear, MondayToSundayWeeksWithASundayNewYearAsWeekZero) {
  const WeekCase cases[] = {
      {2023, 1, 1, 0},  {2023, 1, 2, 1},  {2023, 1, 8, 1},   {2023, 1, 9, 2},  // Sunday start
      {2021, 1, 1, 1},  {2021, 1, 3, 1},  {2021, 1, 4, 2},                     // Friday start
      {2018, 1, 1, 1},  {2018, 1, 7, 1},  {2018, 1, 8, 2},                     // Monday start
      {2021, 4, 18, 16}, {2021, 4, 19, 17},
      {2021, 3, 29, 14},  // the day after Europe's spring change counts whole days
      {2020, 2, 29, 9},   {2020, 3, 1, 9},  {2020, 3, 2, 10},
  };
  for (const WeekCase& c : cases) {
    EXPECT_EQ(WeekOfYear({c.year, c.month, c.day, 0, 0, 0}), c.week)
        << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(WeekOfYear, ThirtyFirstDecemberAcrossEveryKindOfYear) {
  // One year of each kind: common and leap, starting on each weekday Sunday..Saturday.
  // Only a common year that began on a Sunday ends in week 52.
  const WeekCase cases[] = {
      {2023, 12, 31, 52}, {2017, 12, 31, 52}, {2034, 12, 31, 52},
      {2018, 12, 31, 53}, {2019, 12, 31, 53}, {2025, 12, 31, 53}, {2026, 12, 31, 53},
      {2021, 12, 31, 53}, {2022, 12, 31, 53},
      {2012, 12, 31, 53}, {2024, 12, 31, 53}, {2008, 12, 31, 53}, {2020, 12, 31, 53},
      {2032, 12, 31, 53}, {2016, 12, 31, 53}, {2028, 12, 31, 53},
  };
  for (const WeekCase& c : cases) {
    EXPECT_EQ(WeekOfYear({c.year, c.month, c.day, 23, 59, 59}), c.week) << c.year;
  }
}
