#include "clock/clock_tick.h"

#include "clock/week_of_year.h"
#include "platform/lunar_calendar.h"
#include "platform/runtime.h"

namespace {

Text TwoDigits(int value) {
  Text text = toolkit::NumberToText(static_cast<long long>(value));
  return text.size() == 1 ? "0" + text : text;
}

// The window's lunar calendar component 农历月历1, created on the date of the first tick.
LunarMonthCalendar& WindowCalendar(const LocalDateTime& now) {
  static LunarMonthCalendar calendar(now.year, now.month, now.day);
  return calendar;
}

}  // namespace

Text WeekdayWord(const Text& weekday) {
  static const char* const kWords[7] = {"一", "二", "三", "四", "五", "六", "日"};
  if (weekday.size() != 1 || weekday[0] < '1' || weekday[0] > '7') return {};
  return kWords[weekday[0] - '1'];
}

Text ZodiacSign(const LocalDateTime& date) {
  struct Sign {
    const char* name;
    int fromMonth, fromDay, toMonth, toDay;
  };
  static const Sign kSigns[12] = {
      {"水瓶座", 1, 21, 2, 19},   {"双鱼座", 2, 20, 3, 20},  {"白羊座", 3, 21, 4, 20},
      {"金牛座", 4, 21, 5, 21},   {"双子座", 5, 22, 6, 21},  {"巨蟹座", 6, 22, 7, 22},
      {"狮子座", 7, 23, 8, 23},   {"处女座", 8, 24, 9, 23},  {"天秤座", 9, 24, 10, 23},
      {"天蝎座", 10, 24, 11, 22}, {"射手座", 11, 23, 12, 21}, {"魔羯座", 12, 22, 1, 20},
  };
  for (const Sign& s : kSigns) {
    if ((date.month == s.fromMonth && date.day >= s.fromDay) ||
        (date.month == s.toMonth && date.day <= s.toDay)) {
      return s.name;
    }
  }
  return {};
}

void ClockTick() {
  const LocalDateTime now = toolkit::Now();
  const int week = WeekOfYear(now);

  // The window's component keeps its date when it refuses one; for a day past its range
  // a component made on that day gives the right weekday and an empty first line, never
  // the lunar date of an earlier day.
  LunarMonthCalendar& windowCalendar = WindowCalendar(now);
  const LunarMonthCalendar calendar =
      SetDate(windowCalendar, now.year, now.month, now.day)
          ? windowCalendar
          : LunarMonthCalendar(now.year, now.month, now.day);
  const Text weekday = toolkit::NumberToText(static_cast<long long>(WeekdayNumber(calendar)));

  toolkit::SetCaption(Control::标签_time, TwoDigits(now.hour) + ":" + TwoDigits(now.minute));
  toolkit::SetCaption(Control::标签_time1, TwoDigits(now.second));
  toolkit::SetCaption(Control::标签_day,
                      LunarMonthText(calendar) + LunarDayText(calendar) + "\r\n\r\n" +
                          "周" + WeekdayWord(weekday) + " " + TwoDigits(now.month) + "月" +
                          TwoDigits(now.day) + "\r\n" +
                          toolkit::NumberToText(static_cast<long long>(now.year)) + "第" +
                          toolkit::NumberToText(static_cast<long long>(week)) + "周" +
                          "\r\n" + ZodiacSign(now));
}
