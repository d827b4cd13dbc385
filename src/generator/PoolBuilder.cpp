#include "generator/PoolBuilder.h"

#include "generator/PoolBands.h"
#include "text/TextLine.h"

namespace {

// Text-table lines of the pool's status texts.

class Builder {
public:
    Builder(const GenerationParams& params, const ReferenceDraws& draws, PoolHost& host)
        : p_(params), draws_(draws), host_(host)
    {
    }

    bool run();
    NumberPool pool;

private:
    void announce(int line) { host_.status(host_.line(TextLine::Computing) + QLatin1Char(' ') + host_.line(line)); }
    void bandText(const Band& band, int countBefore, bool singleBlank)
    {
        host_.status(QStringLiteral("Min: ") + QString::number(band.low)
                     + (singleBlank ? QStringLiteral(" Max: ") : QStringLiteral("  Max: "))
                     + QString::number(band.high) + QStringLiteral("  ")
                     + QString::number(countBefore));
    }
    bool fetch(PoolStatistic which, std::optional<StatisticValues>& into)
    {
        into = host_.statistic(which);
        return into.has_value();
    }
    void addGroups(const StatisticValues& stat, const Band& band, int length, int lastStart,
                   bool singleBlank);
    void addNumbers(const StatisticValues& stat, double fraction, bool top, bool singleBlankFirst);

    const GenerationParams& p_;
    const ReferenceDraws& draws_;
    PoolHost& host_;
};

double valueOf(const StatisticValues& stat, int k)
{
    return k >= 1 && std::size_t(k) <= stat.values.size() ? stat.values[std::size_t(k - 1)] : 0.0;
}

void Builder::addGroups(const StatisticValues& stat, const Band& band, int length, int lastStart,
                        bool singleBlank)
{
    bandText(band, pool.count(), singleBlank);
    for (int k = 1; k <= lastStart; ++k) {
        if (!band.contains(valueOf(stat, k)))
            continue;
        for (int i = 0; i < length; ++i)
            pool.append(k + i);
    }
}

void Builder::addNumbers(const StatisticValues& stat, double fraction, bool top, bool singleBlankFirst)
{
    // The wider band gives two entries, the narrower band inside it one more.
    for (int pass = 1; pass <= 2; ++pass) {
        const double f = pass == 1 ? fraction : fraction / 2.0;
        const Band band = top ? numberTopBand(stat.max, stat.min, f) : numberBottomBand(stat.max, stat.min, f);
        bandText(band, pool.count(), pass == 1 && singleBlankFirst);
        for (int n = 1; n <= 49; ++n)
            if (band.contains(valueOf(stat, n)))
                pool.append(n, pass == 1 ? 2 : 1);
    }
}

bool Builder::run()
{
    pool.clear();

    struct GroupStep {
        bool frequent;
        bool rare;
        PoolStatistic statistic;
        int line;
        int length;
        int lastStart;
    };
    const GroupStep groups[] = {
        {p_.preferFrequentPairs, p_.preferRarePairs, PoolStatistic::Pairs, TextLine::PairsForming, 2, 48},
        {p_.preferFrequentTriples, p_.preferRareTriples, PoolStatistic::Triples, TextLine::TriplesForming, 3, 47},
        {p_.preferFrequentQuads, p_.preferRareQuads, PoolStatistic::Quads, TextLine::QuadsForming, 4, 46},
    };
    for (const GroupStep& g : groups) {
        std::optional<StatisticValues> stat;
        if (g.frequent) {
            announce(g.line);
            if (!fetch(g.statistic, stat))
                return false;
            addGroups(*stat, groupTopBand(stat->max, stat->min), g.length, g.lastStart, false);
        }
        if (g.rare) {
            announce(g.line);
            // The chart still holds this statistic when the frequent band ran.
            if (!stat && !fetch(g.statistic, stat))
                return false;
            addGroups(*stat, groupBottomBand(stat->max, stat->min), g.length, g.lastStart,
                      g.statistic == PoolStatistic::Quads);
        }
    }

    {
        std::optional<StatisticValues> frequency;
        if (p_.preferFrequent) {
            announce(TextLine::NumberDistribution);
            if (!fetch(PoolStatistic::NumberFrequency, frequency))
                return false;
            addNumbers(*frequency, p_.frequentPercent / 100.0, true, false);
        }
        if (p_.preferRare) {
            announce(TextLine::NumberDistribution);
            if (!frequency && !fetch(PoolStatistic::NumberFrequency, frequency))
                return false;
            addNumbers(*frequency, p_.rarePercent / 100.0, false, false);
        }
    }
    if (p_.preferOverdue) {
        announce(TextLine::OverdueNumbers);
        std::optional<StatisticValues> overdue;
        if (!fetch(PoolStatistic::Overdue, overdue))
            return false;
        addNumbers(*overdue, p_.overduePercent / 100.0, true, true);
    }

    if (p_.preferNeighbours) {
        announce(TextLine::Neighbours);
        for (int i = 1; i <= 8; ++i) {
            const int v = draws_.last[std::size_t(i)];
            if (v >= 2)
                pool.append(v - 1, 4);
            if (v < 49)
                pool.append(v + 1, 4);
        }
    }

    if (!p_.onlyPreferred) {
        for (int n = 1; n <= 49; ++n)
            pool.append(n);
        pool.append(1);
    }

    // A limit of 0 on a reference draw takes its numbers out of the pool
    // instead of testing each candidate.
    const auto removeDraw = [this](bool on, int limit, const DrawNumbers& draw) {
        if (!on || limit != 0)
            return;
        for (int i = 1; i <= 7; ++i)
            pool.markAll(draw[std::size_t(i)]);
    };
    removeDraw(p_.limitLastDraw, p_.lastDrawLimit, draws_.last);
    removeDraw(p_.limitSecondLastDraw, p_.secondLastDrawLimit, draws_.secondLast);
    removeDraw(p_.limitThirdLastDraw, p_.thirdLastDrawLimit, draws_.thirdLast);
    if (p_.avoidMonthNumbers)
        for (int n = 1; n <= 12; ++n)
            pool.markAll(n);
    if (p_.weakenDateNumbers)
        for (int n = 1; n <= 31; ++n)
            pool.markOne(n);
    pool.dropMarked();
    return true;
}

} // namespace

std::optional<NumberPool> buildPool(const GenerationParams& params, const ReferenceDraws& draws,
                                    PoolHost& host)
{
    Builder builder(params, draws, host);
    if (!builder.run())
        return std::nullopt;
    return builder.pool;
}

NumberPool poolFromWeights(const std::vector<bool>& checked, const std::vector<int>& weights)
{
    NumberPool pool;
    for (int n = 1; n <= 49; ++n) {
        const std::size_t i = std::size_t(n - 1);
        if (i >= checked.size() || i >= weights.size() || !checked[i])
            continue;
        const int weight = weights[i] == 0 ? 1 : weights[i];
        if (weight >= 0)
            pool.append(n, weight + 1);
    }
    return pool;
}
