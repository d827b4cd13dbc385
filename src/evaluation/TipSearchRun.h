#pragma once

// The search of the tips in the database: it walks the stored draws the
// range admits, compares every row of the board with each, and asks at each
// row that reaches the threshold whether to go on. What is shown, and where,
// is the host's affair.
#include "draws/Draw.h"
#include "evaluation/BoardRating.h"
#include "evaluation/TipSearch.h"
#include "evaluation/Zettelcheck.h"

#include <QString>

#include <vector>

class SearchHost {
public:
    virtual ~SearchHost() = default;
    // Before `next` is examined; `percent` of the stored draws lie before
    // it. Called for every draw the range admits: the host shows progress
    // when a frame is due.
    virtual void progress(const Draw& next, int percent) = 0;
    // Asked after each progress call: true ends the search before `next`.
    virtual bool stopRequested() = 0;
    // `draw` is now the draw being examined.
    virtual void examining(const Draw& draw) = 0;
    // Row `row` (1-based) of the board compared with the examined draw.
    virtual void checked(int row, const CheckResult& check) = 0;
    // Row `row` reached the threshold. The host may rewrite `rows` (a rating
    // sorts them); the search names the row and goes on with what it holds.
    virtual void hit(int row, BoardRows& rows) = 0;
    // The found message: false ends the search here.
    virtual bool goOn(const QString& title, const QString& message) = 0;
};

struct TipSearchOutcome {
    int lastExamined = -1;  // index of the last draw examined; -1 when none was
    bool stopped = false;   // the host asked to stop before the next draw
    bool declined = false;  // the answer to a found message was no
    bool completed() const { return !stopped && !declined; }
};

// `ticketSuper` is the ticket's super number for the prize class the found
// message names (-1: none, then no class that asks for it is named).
TipSearchOutcome runTipSearch(const std::vector<Draw>& draws, BoardRows rows,
                              const SearchRange& range, int threshold, SearchHost& host,
                              int ticketSuper = -1);

// The progress line for the draw of `datum` with `percent` of the draws
// behind, and the line after a stop: the host shows them.
QString tipSearchProgress(double datum, int percent);
QString tipSearchStopped();
