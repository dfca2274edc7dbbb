#!/usr/bin/env python3
"""Prints the lunar year table of platform/lunar_calendar.cpp from the month starts in
tests/fixtures/lunar_month_starts.txt (run from the repository root, paste the output).

One 32-bit entry per lunar year, first year first:
  bits 0..12   month lengths in calendar order, the leap month in its place: 1 = 30 days
  bits 13..16  number of the month that is followed by a leap month, 0 when none
  bits 17..22  days from 1 January of the Gregorian year to the lunar new year
"""
import datetime
import sys

path = sys.argv[1] if len(sys.argv) > 1 else "tests/fixtures/lunar_month_starts.txt"
months = []
for line in open(path, encoding="ascii"):
    if line.startswith("#") or not line.strip():
        continue
    date, month, leap = line.split()
    months.append((datetime.date.fromisoformat(date), int(month), leap == "1"))

years = []  # each: list of (start, month, leap)
for start, month, leap in months:
    if month == 1 and not leap:
        years.append([])
    years[-1].append((start, month, leap))
closing = years.pop()[0][0]  # the new year after the last covered lunar year

entries = []
for index, year in enumerate(years):
    ends = [m[0] for m in year[1:]] + [years[index + 1][0][0] if index + 1 < len(years) else closing]
    lengths = 0
    leapMonth = 0
    for k, ((start, month, leap), end) in enumerate(zip(year, ends)):
        days = (end - start).days
        assert days in (29, 30), (start, days)
        if days == 30:
            lengths |= 1 << k
        if leap:
            leapMonth = month
    newYear = year[0][0]
    offset = (newYear - datetime.date(newYear.year, 1, 1)).days
    assert len(year) == (13 if leapMonth else 12) and offset < 64
    entries.append(lengths | leapMonth << 13 | offset << 17)

print(f"// Lunar years {years[0][0][0].year} to {years[-1][0][0].year}.")
for i in range(0, len(entries), 8):
    print("    " + " ".join(f"0x{e:06X}," for e in entries[i:i + 8]))
