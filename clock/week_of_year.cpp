#include "clock/week_of_year.h"

#include "platform/civil_date.h"

int WeekOfYear(const LocalDateTime& date) {
  // Whole days counted on the calendar, so a daylight-saving change in between cannot
  // shorten or lengthen the count.
  const int daysSinceNewYear =
      DayNumber(date.year, date.month, date.day) - DayNumber(date.year, 1, 1);
  const int newYearWeekday = WeekdayFromSunday(date.year, 1, 1);
  // Counting from the Sunday on or before 1 January, a week ends on each Sunday; that
  // Sunday itself (a 1 January on a Sunday) is week 0.
  return (daysSinceNewYear + newYearWeekday + 6) / 7;
}
