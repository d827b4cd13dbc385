#pragma once

#include "stats/ChartData.h"
#include "stats/DrawSource.h"
#include "stats/StatsTexts.h"
#include "draws/CountingWindow.h"

#include <QStringList>

// Per-number statistics over the draws the window admits, each one scan.
// Values a record holds out of range (a number above 49, a super number above
// 9) are skipped rather than counted.

// How often each number 1..49 was drawn, bonus included; the start date
// counts. Prime colouring, left axis over the counter range, marks hidden.
StatResult numberDistribution(const DrawSource& source, const CountingWindow& window,
                              const StatsTexts& texts = {});

// Draws since each number 1..49 last appeared (1 = in the last selected draw;
// never seen = selected draws + 1); the start date does not count.
StatResult overdueNumbers(const DrawSource& source, const CountingWindow& window,
                          const StatsTexts& texts = {});

// How many draws had each cross sum, one bar per sum from the smallest to the
// largest seen; the start date does not count; both axes automatic. A record
// whose cross sum lies beyond 279 is left out altogether.
StatResult crossSumDistribution(const DrawSource& source, const CountingWindow& window,
                                const StatsTexts& texts = {});

// Draws since each super number 0..9 last appeared (never seen = selected
// draws). Counts only after the later of the window start and 1 August 1995.
StatResult superNumberOverdue(const DrawSource& source, const CountingWindow& window,
                              const StatsTexts& texts = {});

// The first day super numbers count after, as a day serial.
double superNumberFloor();

// How often each number occurs in the tip cells, given row by row (row 1
// cell 1 first). Reading stops at the first empty or non-numeric cell.
ChartData tipDistribution(const QStringList& cells, const StatsTexts& texts = {});
