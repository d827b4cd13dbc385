#pragma once

// The row phase of a generation run: rows 1..12 of the tip board are filled
// one after the other with candidates drawn from the number pool and passed
// through the filter chain (RowFilters.h), until one passes or the run limit
// is used up. Locked rows are kept as they are.
//
// The loop knows no widgets. It talks to whoever runs it through
// GeneratorHost: the stop request and the chance to let interface events run
// (once per candidate), the settings as they are now, the progress of each
// candidate and each finished row. The window implements the host; tests and
// the backtest can run it with a plain one. All randomness comes from the
// Random passed in, so one seed, one pool, one set of settings and one
// history give the same rows on every machine.
//
// Typical use:
//   HistoryIndex history(draws);                 // read the database once
//   auto pool = buildPool(params, references, poolHost);
//   RowRunInput input{*pool, references, history, board};
//   RowRunResult result = generateRows(input, Random::global(), host);

#include "generator/GeneratorTypes.h"

#include <QString>

#include <array>
#include <cstdint>

class HistoryIndex;
class NumberPool;
class Random;

constexpr int kBoardRows = 12;

class GeneratorHost {
public:
    virtual ~GeneratorHost() = default;
    // The user asked to stop (checked before each candidate).
    virtual bool stopRequested() = 0;
    // Lets pending interface events run, once per candidate.
    virtual void processEvents() {}
    // The settings now; called once per candidate.
    virtual const GeneratorSettings& settings() = 0;
    // The run limit `LaufMax` now, in candidates for the whole run.
    virtual std::int64_t runLimit() = 0;
    // The pair requirement was switched off halfway through the run limit;
    // the host shows it and puts it back at the end.
    virtual void pairRequirementSwitchedOff() {}
    // A candidate has been drawn and sorted (row 1..12).
    virtual void candidateDrawn(int row, const Row& sorted, int crossSum)
    {
        (void)row;
        (void)sorted;
        (void)crossSum;
    }
    // Row `row` is final: generated, kept because locked, or empty (zeros).
    virtual void rowFinished(int row, const Row& numbers, bool locked)
    {
        (void)row;
        (void)numbers;
        (void)locked;
    }
};

struct BoardState {
    // The numbers of locked rows (an unusable cell as 0); unlocked rows are ignored.
    std::array<Row, kBoardRows> rows{};
    std::array<bool, kBoardRows> locked{};
};

struct RowRunInput {
    const NumberPool& pool;
    const ReferenceDraws& draws;
    const HistoryIndex& history;
    BoardState board;
};

struct RowRunResult {
    std::array<Row, kBoardRows> rows{}; // unlocked rows sorted; zeros when not generated
    std::int64_t runCounter = 0;        // candidates started
    bool stopped = false;               // a stop request ended the run
    // The run limit was used up, or the pool could not make a row (fewer than
    // six different numbers): not every row could be made.
    bool exhausted = false;
    // Of these, the pool's ending: no candidate was ever drawn. More
    // candidates would not help, other numbers would.
    bool poolTooSmall = false;
    int rowsGenerated = 0; // unlocked rows that got six numbers
};

RowRunResult generateRows(const RowRunInput& input, Random& random, GeneratorHost& host);

// The progress text of one candidate: row, ".", the word for a tip, ":  ",
// the numbers, the cross sum. `tipWord` is the interface's word ("Tipp").
QString progressText(int row, const Row& sorted, int crossSum, const QString& tipWord);
