"""The clock and the date panel of the running widget against the local time, with the
lunar date taken from the verified month-start table."""

import datetime
import os
import time
import unittest

import widget
from widget import Widget, program_path, screenshot

MONTHS = "正二三四五六七八九十"
DIGITS = "一二三四五六七八九十"
ZODIAC = [  # sign, (from month, day), (to month, day)
    ("水瓶座", (1, 21), (2, 19)), ("双鱼座", (2, 20), (3, 20)), ("白羊座", (3, 21), (4, 20)),
    ("金牛座", (4, 21), (5, 21)), ("双子座", (5, 22), (6, 21)), ("巨蟹座", (6, 22), (7, 22)),
    ("狮子座", (7, 23), (8, 23)), ("处女座", (8, 24), (9, 23)), ("天秤座", (9, 24), (10, 23)),
    ("天蝎座", (10, 24), (11, 22)), ("射手座", (11, 23), (12, 21)), ("魔羯座", (12, 22), (1, 20)),
]


def lunar(date):
    starts = []
    with open(os.path.join(widget.SOURCE, "tests/fixtures/lunar_month_starts.txt")) as table:
        for line in table:
            if line.strip() and not line.startswith("#"):
                day, month, leap = line.split()
                starts.append((datetime.date.fromisoformat(day), int(month), leap == "1"))
    start, month, leap = max(s for s in starts if s[0] <= date)
    day = (date - start).days + 1
    month_text = ("闰" if leap else "") + ("冬月" if month == 11 else "腊月" if month == 12 else MONTHS[month - 1] + "月")
    if day <= 10: day_text = "初" + DIGITS[day - 1]
    elif day < 20: day_text = "十" + DIGITS[day - 11]
    elif day == 20: day_text = "廿十"
    elif day < 30: day_text = "廿" + DIGITS[day - 21]
    else: day_text = "三十"
    return month_text + day_text


def panel(date):
    first = datetime.date(date.year, 1, 1)
    week = -(-((date - first).days + (first.isoweekday() % 7)) // 7)
    sign = next(s for s, f, t in ZODIAC if (date.month, date.day) >= f and date.month == f[0]
                or date.month == t[0] and date.day <= t[1])
    weekday = "一二三四五六日"[date.isoweekday() - 1]
    return "\r\n".join([lunar(date), "", "周%s %02d月%02d" % (weekday, date.month, date.day),
                        "%d第%d周" % (date.year, week), sign])


class ClockAndDatePanel(unittest.TestCase):
    def test_shows_local_time_and_todays_panel_and_ticks(self):
        with Widget(program_path("veskara-sim.exe")) as run:
            run.snapshot()
            time.sleep(2)
            for attempt in range(3):  # re-read when the minute or the day rolls over meanwhile
                before = datetime.datetime.now()
                snap = run.snapshot()
                after = datetime.datetime.now()
                if before.strftime("%Y%m%d%H%M") == after.strftime("%Y%m%d%H%M"):
                    break
            self.assertEqual(snap.text(18), before.strftime("%H:%M"))
            seconds = int(snap.text(19))
            self.assertLessEqual(abs(seconds - before.second) % 58, 3)
            self.assertEqual(snap.text(21), panel(before.date()))
            screenshot("clock")
            time.sleep(2.5)
            self.assertNotEqual(run.snapshot().text(19), snap.text(19), "the seconds move on")


if __name__ == "__main__":
    unittest.main()
