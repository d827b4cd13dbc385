#pragma once

#include "draws/Draw.h"

// Which stored draws a statistic counts: a date window and the weekday rule.
// Operations differ in whether a draw on the start date counts, so the caller
// states it; the end date always counts.
struct CountingWindow {
    double start = 0.0;           // DateTimePicker2
    double end = 0.0;             // DateTimePicker1 (dfb)
    bool startInclusive = false;
    bool saturdays = true;        // CheckBox16: Saturday and Sunday draws
    bool wednesdays = true;       // CheckBox17: Wednesday draws

    bool contains(double datum) const;
    bool admits(const Draw& draw) const; // in the window and admitted by the weekday rule
};

// Weekday rule of the statistics (weekday 1 = Sunday ... 7 = Saturday). With
// both boxes checked every weekday counts, even days that are no draw days.
bool weekdayRuleAdmits(int weekday, bool saturdays, bool wednesdays);

// Browsing uses a different, skip-based rule: a draw is passed over only when
// the box of its own weekday is cleared; other weekdays are never skipped.
bool browseSkips(int weekday, bool saturdays, bool wednesdays);
