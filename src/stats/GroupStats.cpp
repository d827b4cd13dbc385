#include "stats/GroupStats.h"

#include "stats/ChartLabels.h"
#include "stats/CounterChart.h"
#include "stats/Selection.h"

#include <bit>
#include <cstdint>
#include <optional>

namespace {

// Quads try 47 as well, which can never complete because 50 is no number.
int lastStartTried(GroupKind kind)
{
    return kind == GroupKind::Pairs ? 48 : 47;
}

int lastBar(GroupKind kind)
{
    switch (kind) {
    case GroupKind::Pairs: return 48;
    case GroupKind::Triples: return 47;
    case GroupKind::Quads: return 49;
    }
    return 49;
}

const QString& groupWord(GroupKind kind, const StatsTexts& texts)
{
    switch (kind) {
    case GroupKind::Pairs: return texts.paare;
    case GroupKind::Triples: return texts.dreier;
    case GroupKind::Quads: return texts.vierer;
    }
    return texts.paare;
}

// A run n..n+L-1 is found when the six drawn numbers hold its values L times
// in all, counting a value stored twice twice: the rule of the hit count the
// chart has always used, which damaged records with repeated numbers can
// satisfy without holding the whole run. Rows reach at most 50, so values of
// 64 and above can never take part.
int countRuns(const Draw& draw, int length, int lastStart, std::array<qint32, 50>& counters)
{
    std::uint64_t present = 0;
    bool repeated = false;
    for (int i = 0; i < 6; ++i) {
        const unsigned value = draw.zahlen[static_cast<std::size_t>(i)];
        if (value >= 64)
            continue;
        const std::uint64_t bit = std::uint64_t{1} << value;
        repeated = repeated || (present & bit) != 0;
        present |= bit;
    }
    const std::uint64_t tried = ((std::uint64_t{1} << (lastStart + 1)) - 1) & ~std::uint64_t{1};
    if (!repeated) {
        // Every value at most once: a run is found exactly when all its
        // values are present, i.e. bit n of the mask ANDed with its shifts.
        std::uint64_t starts = present;
        for (int k = 1; k < length; ++k)
            starts &= present >> k;
        starts &= tried;
        for (std::uint64_t left = starts; left != 0; left &= left - 1)
            ++counters[static_cast<std::size_t>(std::countr_zero(left))];
        return std::popcount(starts);
    }
    std::array<int, 64> times{};
    for (int i = 0; i < 6; ++i) {
        const unsigned value = draw.zahlen[static_cast<std::size_t>(i)];
        if (value < 64)
            ++times[value];
    }
    int found = 0;
    for (int start = 1; start <= lastStart; ++start) {
        int hits = 0;
        for (int k = 0; k < length; ++k)
            hits += times[static_cast<std::size_t>(start + k)];
        if (hits == length) {
            ++counters[static_cast<std::size_t>(start)];
            ++found;
        }
    }
    return found;
}

} // namespace

StatResult groupCounts(const DrawSource& source, const CountingWindow& window, GroupKind kind,
                       const StatsTexts& texts)
{
    const CountingWindow selection = withStart(window, false);
    const int length = static_cast<int>(kind);
    const int lastStart = lastStartTried(kind);
    std::array<qint32, 50> counters{};
    qint32 runs = 0;
    std::optional<Draw> lastSelected;
    StatResult result;
    result.error = source.forEach([&](const Draw& draw) {
        if (!selection.admits(draw))
            return;
        ++result.drawCount;
        lastSelected = draw;
        runs += countRuns(draw, length, lastStart, counters);
    });
    if (!result.ok())
        return result;
    if (lastSelected)
        result.lastDraw = lastSelected->zahl();
    const LeftAxis axis = kind == GroupKind::Quads ? LeftAxis::Automatic : LeftAxis::CounterRange;
    result.chart = counterChart(counters, 1, lastBar(kind), BarColouring::Series, axis);
    result.chart.caption = texts.ziehungen + QStringLiteral(": ") + QString::number(result.drawCount)
        + QStringLiteral("     ") + groupWord(kind, texts) + QLatin1Char(' ') + texts.gefunden
        + QStringLiteral(" : ") + QString::number(runs);
    result.chart.note = countedNote(selection, texts);
    labelAxes(result.chart, texts.folgeAb, texts.wieOftGezogen);
    for (const StatBar& bar : result.chart.bars) {
        QStringList run;
        for (int k = 0; k < length; ++k)
            run << QString::number(int(bar.x) + k);
        result.chart.barNames << run.join(QChar(0x2013));
    }
    return result;
}
