#pragma once

#include "generator/GeneratorTypes.h"
#include "generator/NumberPool.h"

#include <QString>

#include <optional>
#include <vector>

// Builds the number pool of one generation run from the preferences: the
// group bands (pairs, triples, quads), the two-pass number bands (frequent,
// rare, overdue), the neighbours of the last draw, the base block and the
// removals. The statistics come from the host, which in the window runs the
// chart operations so the user sees each chart pass by.

enum class PoolStatistic { NumberFrequency, Overdue, Pairs, Triples, Quads };

struct StatisticValues {
    std::vector<double> values; // values[k - 1] belongs to number or group k (bar order)
    double max = 0.0;           // value-axis bounds as the statistic leaves them
    double min = 0.0;
};

class PoolHost {
public:
    virtual ~PoolHost() = default;
    // Runs one statistic; nullopt when it failed (the host has told the user).
    virtual std::optional<StatisticValues> statistic(PoolStatistic which) = 0;
    // A progress or band text for status panel 1.
    virtual void status(const QString& text) = 0;
    // The interface text of one text-table line.
    virtual QString line(int number) const = 0;
};

// Steps 3 to 9 of a run: nullopt when a statistic failed, so the run ends.
// Entries beyond the pool's capacity are left out.
std::optional<NumberPool> buildPool(const GenerationParams& params, const ReferenceDraws& draws,
                                    PoolHost& host);

// Rebuilds the pool from the weighting dialog's boxes ("&Rechnen"): for each
// checked number in order, weight + 1 entries (a weight of 0 counts as 1, a
// negative one adds none). weights[k - 1] and checked[k - 1] belong to number k.
NumberPool poolFromWeights(const std::vector<bool>& checked, const std::vector<int>& weights);
