#include "generator/RowFilters.h"

#include "generator/HistoryIndex.h"
#include "stats/Primes.h"

#include <algorithm>

int overlap(const Row& candidate, const Row& row)
{
    int shared = 0;
    for (int n : candidate)
        if (n != 0 && std::find(row.begin(), row.end(), n) != row.end())
            ++shared;
    return shared;
}

bool hasPair(const Row& sorted)
{
    for (std::size_t i = 0; i + 1 < sorted.size(); ++i)
        if (sorted[i + 1] - sorted[i] == 1)
            return true;
    return false;
}

bool hasRunOfThree(const Row& sorted)
{
    for (std::size_t i = 0; i + 2 < sorted.size(); ++i)
        if (sorted[i + 1] == sorted[i] + 1 && sorted[i + 2] == sorted[i] + 2)
            return true;
    return false;
}

int crossSum(const Row& row)
{
    int sum = 0;
    for (int n : row)
        sum += n;
    return sum;
}

int drawHits(const Row& row, const DrawNumbers& draw, bool withBonus)
{
    const int last = withBonus ? 7 : 6;
    int hits = 0;
    for (int n : row) {
        if (n == 0)
            continue;
        for (int i = 1; i <= last; ++i) {
            if (draw[std::size_t(i)] == n) {
                ++hits;
                break;
            }
        }
    }
    return hits;
}

int evenCount(const Row& row)
{
    return int(std::count_if(row.begin(), row.end(), [](int n) { return n % 2 == 0; }));
}

int oddCount(const Row& row)
{
    return int(std::count_if(row.begin(), row.end(), [](int n) { return n % 2 != 0; }));
}

namespace {

bool overlapFails(const Row& candidate, const FilterContext& c)
{
    if (c.rowsMade.empty())
        return false;
    const GenerationParams& p = c.settings.params;
    int high = 0;
    int low = 6;
    for (const Row& row : c.rowsMade) {
        const int shared = overlap(candidate, row);
        high = std::max(high, shared);
        low = std::min(low, shared);
    }
    // Each single row against ceiling and floor; otherwise only the
    // aggregate: every row too close, or none close enough.
    if (p.overlapEachRow && (high > p.overlapCeiling || low < p.overlapFloor))
        return true;
    if (p.overlapCeilingOn && low > p.overlapCeiling)
        return true;
    return p.overlapFloorOn && high < p.overlapFloor;
}

bool lastDrawsFail(const Row& candidate, const FilterContext& c)
{
    const GenerationParams& p = c.settings.params;
    const struct {
        bool on;
        int limit;
        const DrawNumbers& draw;
    } checks[] = {
        {p.limitLastDraw, p.lastDrawLimit, c.draws.last},
        {p.limitSecondLastDraw, p.secondLastDrawLimit, c.draws.secondLast},
        {p.limitThirdLastDraw, p.thirdLastDrawLimit, c.draws.thirdLast},
    };
    for (const auto& check : checks)
        if (check.on && check.limit > 0 && drawHits(candidate, check.draw, p.bonusCountsAsHit) > check.limit)
            return true;
    return false;
}

} // namespace

Filter firstFailingFilter(const Row& sorted, const FilterContext& c)
{
    const GenerationParams& p = c.settings.params;
    if (overlapFails(sorted, c))
        return Filter::Overlap;
    if (c.pairRequired && !hasPair(sorted))
        return Filter::Pair;
    if (p.noTriples && hasRunOfThree(sorted))
        return Filter::Run;
    const int sum = crossSum(sorted);
    if (sum < p.crossSumMin || sum > p.crossSumMax)
        return Filter::CrossSum;
    if (lastDrawsFail(sorted, c))
        return Filter::LastDraws;
    if ((p.minEvenOn && evenCount(sorted) < p.minEven) || (p.minOddOn && oddCount(sorted) < p.minOdd))
        return Filter::EvenOdd;
    const CountingWindow& history = c.settings.history;
    if (p.rejectRecentHits
        && c.history.anyDrawReaches(sorted, p.recentHitCount, HistoryIndex::recentWindow(history, p.recentDraws),
                                    p.bonusCountsAsHit))
        return Filter::RecentWindow;
    if (p.rejectRecentHits2
        && c.history.anyDrawReaches(sorted, p.recentHitCount2,
                                    HistoryIndex::recentWindow(history, p.recentDraws2), p.bonusCountsAsHit))
        return Filter::RecentWindow2;
    if (p.rejectDatabaseHits) {
        CountingWindow window = history;
        window.startInclusive = false;
        if (c.history.anyDrawReaches(sorted, p.databaseHitCount, window, p.bonusCountsAsHit))
            return Filter::CountingWindow;
    }
    if (p.minPrimesOn && primzahlen(sorted[0], sorted[1], sorted[2], sorted[3], sorted[4], sorted[5]) < p.minPrimes)
        return Filter::Primes;
    return Filter::None;
}
