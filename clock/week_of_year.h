// The week of the year shown on the date panel ("2021第16周").
#pragma once

#include "platform/toolkit.h"

// Weeks run Monday to Sunday and the week holding 1 January is week 1, except that a
// 1 January on a Sunday is week 0 by itself. Only the date's year, month and day count;
// the result is 0..53.
int WeekOfYear(const LocalDateTime& date);
