"""What the clock and the date panel should show for a local date, worked out apart from
the widget: the lunar date from the verified month-start table, the week rule, the zodiac."""

import datetime
import os

import widget

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
