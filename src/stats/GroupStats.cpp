#include "stats/GroupStats.h"

#include "evaluation/Zettelcheck.h"
#include "stats/CounterChart.h"
#include "stats/Selection.h"

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

} // namespace

StatResult groupCounts(const DrawSource& source, const CountingWindow& window, GroupKind kind,
                       const StatsTexts& texts)
{
    const CountingWindow selection = withStart(window, false);
    const int length = static_cast<int>(kind);
    const int lastStart = lastStartTried(kind);
    std::array<qint32, 50> counters{};
    qint32 runs = 0;
    StatResult result;
    result.error = source.forEach([&](const Draw& draw) {
        if (!selection.admits(draw))
            return;
        ++result.drawCount;
        const std::array<qint32, 9> zahl = draw.zahl();
        result.lastDraw = zahl;
        // The row n..n+L-1, filled up with 0, is a run exactly when it hits L
        // of the six drawn numbers.
        std::array<int, 6> row{};
        for (int start = 1; start <= lastStart; ++start) {
            for (int k = 0; k < length; ++k)
                row[static_cast<std::size_t>(k)] = start + k;
            if (zettelcheck(row, zahl).gewinn == length) {
                ++counters[static_cast<std::size_t>(start)];
                ++runs;
            }
        }
    });
    if (!result.ok()) {
        result.lastDraw.reset();
        return result;
    }
    const LeftAxis axis = kind == GroupKind::Quads ? LeftAxis::Automatic : LeftAxis::CounterRange;
    result.chart = counterChart(counters, 1, lastBar(kind), BarColouring::Series, axis);
    result.chart.caption = texts.ziehungen + QStringLiteral(": ") + QString::number(result.drawCount)
        + QStringLiteral("     ") + groupWord(kind, texts) + QLatin1Char(' ') + texts.gefunden
        + QStringLiteral(" : ") + QString::number(runs);
    return result;
}
