#pragma once

#include "draws/Draw.h"
#include "evaluation/BoardRating.h"
#include "evaluation/ChanceComparison.h"

#include <QStringList>

// The tallies of a backtest: the rated rows of every pass by hits, separately
// for draws on a Saturday or Sunday and on other days.
struct BacktestCounts {
    Statistik weekend{};  // [k][0] k hits without the bonus number, [k][1] with it
    Statistik otherDays{};
    qint32 passes = 0;
    Chance::Observed observed; // the same rows, for the comparison with chance

    // The ticket's super number, -1 without a valid ticket number: then a row
    // with k hits counts 1/10 towards the class of "k + SZ" and 9/10 towards
    // that of "k", the chance that a ticket's super number is the drawn one.
    int ticketSuper = -1;
    // Rows per prize class in tenths of a row, [c][0] on a Saturday or
    // Sunday and [c][1] on other days; [0] is unused. Tenths keep the sums
    // of the 1/10 parts exact.
    std::array<std::array<qint64, 2>, 10> classTenths{};
    int classRows = 0;              // classes the rated draws' rules know; 0: no table for any
    qint32 passesWithoutTable = 0;  // passes on draws before the first class table

    // Adds the rating of one pass (Statistik of Komplettcheck, and the board
    // it rated) and returns the rows with three or more hits.
    int addPass(const Statistik& statistik, const Draw& ratedDraw, const BoardRows& rows);

private:
    void addClasses(const Statistik& statistik, const Draw& ratedDraw, std::size_t side);
};

namespace Backtest {

// Days the end date moves on per pass: both draw days on, the next draw is at
// least three days away; one draw day, a week less a day.
int advanceDays(bool saturdays, bool wednesdays);

struct ReportTexts {
    QString heading;   // "Aktuelle Einstellung brachten für Sa. bzw. Mi."
    QString draws;     // "Ziehungen"
    QString stopped;   // "Die Analyse wurde vorzeitig angehalten, nach %1 Durchgängen."
};

// The report lines, to be joined with CR LF: the counts per hits and per
// prize class with tabs, how the super number was counted, the pass count,
// the comparison with chance, and a last line when the run was stopped
// before its end.
QStringList report(const BacktestCounts& counts, const ReportTexts& texts, bool stopped);

} // namespace Backtest
