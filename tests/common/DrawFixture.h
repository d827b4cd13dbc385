#pragma once

#include "draws/Draw.h"

#include <QDate>
#include <QString>
#include <array>
#include <vector>

// Small helpers for tests that need a draw database on disk.

// A draw on the given date; the values are stored as given (not sorted, not
// range-checked), so tests can also build odd records on purpose.
Draw makeDraw(const QDate& date, const std::array<int, 6>& numbers, int bonus, int super = 0);

// Writes the draws, in the given order, as "ZahlenOB.dat" into dir (usually a
// QTemporaryDir's path) and returns the file's path; empty when writing failed.
QString writeDatabase(const QString& dir, const std::vector<Draw>& draws);

// Five Saturdays of January 2020; each draw shares one number fewer with the
// first: D0-D1 share 3, D0/D1-D2 share 2, D0/D1/D2-D3 share 1, D4 nothing.
std::vector<Draw> fiveSaturdays();

// December 2020: the same numbers on Saturday 5th, Tuesday 8th and Thursday
// 10th, other numbers on Wednesday 9th and Saturday 12th, so the weekday
// rule decides which of them count.
std::vector<Draw> decemberWeekdays();
