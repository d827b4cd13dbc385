#pragma once

// A whole generation run without a window: the pool's statistics counted
// from the draws in memory, the reference draws found among them, the pool
// built and the rows generated. The window runs the same steps with a host
// that also shows each chart and row; the backtest runs one per pass.
//
// Typical use:
//   const std::vector<Draw> draws = *DrawFile(path).readAll(&error); // once
//   const HistoryIndex history(draws);
//   TipGenerationInput input{draws, history, settings, board, runLimit, current};
//   TipGenerationHost host(input);
//   TipGenerationResult result = generateTips(input, Random::global(), host);
#include "draws/Draw.h"
#include "generator/GeneratorTypes.h"
#include "generator/PoolBuilder.h"
#include "generator/RowGenerator.h"
#include "stats/ChartData.h"
#include "stats/StatsTexts.h"

#include <optional>
#include <vector>

class DrawSource;

// Counts one of the pool's statistics over the counting window, as its chart
// on the "Diagramm" tab shows it.
StatResult poolStatistic(PoolStatistic which, const DrawSource& source, const CountingWindow& window,
                         const StatsTexts& texts = {});

// What the pool builder reads of a statistic: the bar values and the bounds
// of the value axis. nullopt for a statistic without bars.
std::optional<StatisticValues> statisticValues(const ChartData& chart);

// The last, second-last and third-last draw of a run: the draw that the end
// day makes current and the two before it under the weekday rule. Where the
// draws hold no such draw (none at all, or none earlier), the one before it
// in this list stands in, and `current` for the first.
ReferenceDraws referenceDraws(const std::vector<Draw>& draws, double endDay, bool saturdays,
                              bool wednesdays, const DrawNumbers& current);

struct TipGenerationInput {
    const std::vector<Draw>& draws;     // the database, read once for the run
    const HistoryIndex& history;        // made from the same draws
    GeneratorSettings settings;         // the counting window is also the statistics' window
    BoardState board;                   // the locked rows
    std::int64_t runLimit = 0;          // `LaufMax`
    DrawNumbers current{};              // the current draw, for an empty database
};

struct TipGenerationResult {
    ReferenceDraws references;
    // nullopt when the pool could not be built (a statistic without bars)
    // or the host declined it.
    std::optional<RowRunResult> rows;
};

// The host of a headless run: the settings stay as given, nothing stops it.
// Derive from it to watch the statistics, the status texts and the rows.
class TipGenerationHost : public PoolHost, public GeneratorHost {
public:
    explicit TipGenerationHost(const TipGenerationInput& input) : input_(input) {}

    std::optional<StatisticValues> statistic(PoolStatistic which) override;
    void status(const QString& text) override { (void)text; }
    QString line(int number) const override;

    bool stopRequested() override { return false; }
    const GeneratorSettings& settings() override { return input_.settings; }
    std::int64_t runLimit() override { return input_.runLimit; }

    // A statistic has been counted; its chart data for whoever shows it.
    virtual void statisticCounted(PoolStatistic which, const StatResult& result)
    {
        (void)which;
        (void)result;
    }
    // The captions of the statistics' chart data.
    virtual StatsTexts statsTexts() const { return {}; }
    // The pool before the rows are drawn; false ends the run without rows.
    virtual bool acceptPool(NumberPool& pool)
    {
        (void)pool;
        return true;
    }

protected:
    const TipGenerationInput& input_;
};

TipGenerationResult generateTips(const TipGenerationInput& input, Random& random,
                                 TipGenerationHost& host);
