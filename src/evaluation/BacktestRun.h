#pragma once

// The backtest's walk through the history: from the chosen day, each pass
// makes tips with what was known at its current draw and rates them on the
// first draw the generation could not see, until the last draw is rated.
// The tips come from the host (the generator, or a stand-in in tests); the
// loop reseeds the random generator before each pass, so one seed gives one
// report.
#include "draws/Draw.h"
#include "evaluation/Backtest.h"

#include <vector>

class Random;

struct BacktestSetup {
    double firstDay = 0.0;     // the end-date picker when the backtest starts
    quint32 seed = 0;
    int advance = 3;           // Backtest::advanceDays of the weekday boxes
    bool onlyAfterThree = false; // CheckBox31: new tips only after a pass with three or more hits
    int ticketSuper = -1;      // the ticket's super number for the prize classes; -1: none
};

class BacktestHost {
public:
    virtual ~BacktestHost() = default;
    // Before pass `pass` (1-based) from `day`: true stops the backtest here.
    virtual bool stopBefore(int pass, double day) = 0;
    // Makes the tips of one pass; `current` is the index of the current
    // draw, the latest the generation may know.
    virtual void generate(int current) = 0;
    // The tips to rate now.
    virtual BoardRows tips() = 0;
    // Draw `current` has just become the current draw.
    virtual void currentChanged(int current) { (void)current; }
};

struct BacktestOutcome {
    BacktestCounts counts;
    bool stopped = false;
    int current = -1;        // index of the current draw at the end; -1 without draws
    double lastDay = 0.0;    // the day that made it current
    int threeOrMore = 0;     // rows with three or more hits in the last pass
};

BacktestOutcome runBacktest(const std::vector<Draw>& draws, const BacktestSetup& setup,
                            Random& random, BacktestHost& host);
