#include "generator/TipGeneration.h"

#include "draws/DrawBrowser.h"
#include "draws/DrawLocator.h"
#include "stats/DrawSource.h"
#include "stats/GroupStats.h"
#include "stats/NumberStats.h"
#include "stats/ValueAxis.h"
#include "text/UiText.h"

StatResult poolStatistic(PoolStatistic which, const DrawSource& source, const CountingWindow& window,
                         const StatsTexts& texts)
{
    switch (which) {
    case PoolStatistic::NumberFrequency: return numberDistribution(source, window, texts);
    case PoolStatistic::Overdue: return overdueNumbers(source, window, texts);
    case PoolStatistic::Pairs: return groupCounts(source, window, GroupKind::Pairs, texts);
    case PoolStatistic::Triples: return groupCounts(source, window, GroupKind::Triples, texts);
    case PoolStatistic::Quads: return groupCounts(source, window, GroupKind::Quads, texts);
    }
    return {};
}

std::optional<StatisticValues> statisticValues(const ChartData& chart)
{
    if (chart.bars.isEmpty())
        return std::nullopt;
    StatisticValues values;
    values.values.reserve(std::size_t(chart.bars.size()));
    for (const StatBar& bar : chart.bars)
        values.values.push_back(bar.y);
    const ValueRange range = valueRange(chart);
    values.min = range.min;
    values.max = range.max;
    return values;
}

ReferenceDraws referenceDraws(const std::vector<Draw>& draws, double endDay, bool saturdays,
                              bool wednesdays, const DrawNumbers& current)
{
    ReferenceDraws references{current, current, current};
    const std::optional<LocatedDraw> located = locateDraw(draws, endDay);
    if (!located)
        return references;
    int position = located->index;
    references.last = located->draw.zahl();
    references.secondLast = references.last;
    if (const std::optional<int> p = previousPosition(draws, position, saturdays, wednesdays)) {
        position = *p;
        references.secondLast = draws[std::size_t(position)].zahl();
    }
    references.thirdLast = references.secondLast;
    if (const std::optional<int> p = previousPosition(draws, position, saturdays, wednesdays))
        references.thirdLast = draws[std::size_t(*p)].zahl();
    return references;
}

std::optional<StatisticValues> TipGenerationHost::statistic(PoolStatistic which)
{
    const StatResult result =
        poolStatistic(which, DrawSource(input_.draws), settings().history, statsTexts());
    statisticCounted(which, result);
    if (!result.ok())
        return std::nullopt;
    return statisticValues(result.chart);
}

QString TipGenerationHost::line(int number) const
{
    return UiText::line(number);
}

TipGenerationResult generateTips(const TipGenerationInput& input, Random& random,
                                 TipGenerationHost& host)
{
    TipGenerationResult result;
    const CountingWindow& window = host.settings().history;
    result.references = referenceDraws(input.draws, window.end, window.saturdays, window.wednesdays,
                                       input.current);
    std::optional<NumberPool> pool = buildPool(host.settings().params, result.references, host);
    if (!pool || !host.acceptPool(*pool))
        return result;
    const RowRunInput rows{*pool, result.references, input.history, input.board};
    result.rows = generateRows(rows, random, host);
    return result;
}
