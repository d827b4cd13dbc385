#include "stats/NumberStats.h"

#include "draws/DateSerial.h"
#include "stats/ChartLabels.h"
#include "stats/CounterChart.h"
#include "stats/Selection.h"
#include "stats/Rounding.h"

#include <QDate>
#include <algorithm>
#include <array>

namespace {

constexpr int kMaxNumber = 49;
constexpr int kMaxSuper = 9;
constexpr int kMaxCrossSum = 279;

QString averageCaption(const QString& title, const QString& draws, const QString& average,
                       int drawCount, double sum)
{
    const long long mean = drawCount > 0 ? roundHalfEven(sum / drawCount) : 0;
    return title + QStringLiteral("     ") + draws + QStringLiteral(": ") + QString::number(drawCount)
        + QStringLiteral("    ") + average + QStringLiteral(": ") + QString::number(mean);
}

// Turns "index of the last draw that held the value" (1-based, 0 = never)
// into "draws since it last appeared".
template <std::size_t N>
std::array<qint32, N> sinceLastSeen(const std::array<int, N>& lastSeen, int drawCount, int neverSeen)
{
    std::array<qint32, N> counters{};
    for (std::size_t v = 0; v < N; ++v)
        counters[v] = lastSeen[v] > 0 ? drawCount - lastSeen[v] + 1 : neverSeen;
    return counters;
}

} // namespace

StatResult numberDistribution(const DrawSource& source, const CountingWindow& window,
                              const StatsTexts& texts)
{
    const CountingWindow selection = withStart(window, true);
    std::array<qint32, kMaxNumber + 1> counters{};
    StatResult result;
    double sum = 0.0;
    result.error = source.forEach([&](const Draw& draw) {
        if (!selection.admits(draw))
            return;
        for (std::size_t i = 0; i < 7; ++i)
            if (draw.zahlen[i] <= kMaxNumber)
                ++counters[draw.zahlen[i]];
        ++result.drawCount;
        sum += draw.crossSum();
    });
    if (!result.ok())
        return result;
    result.chart = counterChart(counters, 1, kMaxNumber, BarColouring::Primes, LeftAxis::CounterRange);
    result.chart.hideMarks = true;
    result.chart.caption = averageCaption(texts.zahlenverteilung, texts.ziehungen, texts.quersumme,
                                          result.drawCount, sum);
    result.chart.note = countedNote(selection, texts);
    labelAxes(result.chart, texts.zahl, texts.wieOftGezogen);
    addPrimeLegend(result.chart, texts);
    return result;
}

StatResult overdueNumbers(const DrawSource& source, const CountingWindow& window,
                          const StatsTexts& texts)
{
    const CountingWindow selection = withStart(window, false);
    std::array<int, kMaxNumber + 1> lastSeen{};
    StatResult result;
    result.error = source.forEach([&](const Draw& draw) {
        if (!selection.admits(draw))
            return;
        ++result.drawCount;
        for (std::size_t i = 0; i < 7; ++i)
            if (draw.zahlen[i] <= kMaxNumber)
                lastSeen[draw.zahlen[i]] = result.drawCount;
    });
    if (!result.ok())
        return result;
    const auto counters = sinceLastSeen(lastSeen, result.drawCount, result.drawCount + 1);
    result.chart = counterChart(counters, 1, kMaxNumber, BarColouring::Primes, LeftAxis::CounterRange);
    result.chart.caption = texts.ueberfaellig;
    result.chart.note = countedNote(selection, texts);
    labelAxes(result.chart, texts.zahl, texts.seitLetztem);
    addPrimeLegend(result.chart, texts);
    return result;
}

StatResult crossSumDistribution(const DrawSource& source, const CountingWindow& window,
                                const StatsTexts& texts)
{
    const CountingWindow selection = withStart(window, false);
    std::array<qint32, kMaxCrossSum + 1> counters{};
    int smallest = kMaxCrossSum + 1;
    int largest = -1;
    double sum = 0.0;
    StatResult result;
    result.error = source.forEach([&](const Draw& draw) {
        if (!selection.admits(draw))
            return;
        const int crossSum = draw.crossSum();
        if (crossSum > kMaxCrossSum)
            return;
        ++counters[static_cast<std::size_t>(crossSum)];
        smallest = std::min(smallest, crossSum);
        largest = std::max(largest, crossSum);
        ++result.drawCount;
        sum += crossSum;
    });
    if (!result.ok())
        return result;
    result.chart = counterChart(counters, smallest, largest, BarColouring::Series, LeftAxis::Automatic);
    result.chart.caption = averageCaption(texts.quersummenverteilung, texts.ziehungen,
                                          texts.quersummeKurz, result.drawCount, sum);
    result.chart.note = countedNote(selection, texts);
    labelAxes(result.chart, texts.quersummeKurz, texts.anzahlZiehungen);
    return result;
}

double superNumberFloor()
{
    return DateSerial::fromDate(QDate(1995, 8, 1));
}

StatResult superNumberOverdue(const DrawSource& source, const CountingWindow& window,
                              const StatsTexts& texts)
{
    const CountingWindow floored = startingAfter(window, std::max(window.start, superNumberFloor()));
    std::array<int, kMaxSuper + 1> lastSeen{};
    StatResult result;
    result.error = source.forEach([&](const Draw& draw) {
        if (!floored.admits(draw))
            return;
        ++result.drawCount;
        if (draw.superNumber() <= kMaxSuper)
            lastSeen[static_cast<std::size_t>(draw.superNumber())] = result.drawCount;
    });
    if (!result.ok())
        return result;
    const auto counters = sinceLastSeen(lastSeen, result.drawCount, result.drawCount);
    result.chart = counterChart(counters, 0, kMaxSuper, BarColouring::Series, LeftAxis::CounterRange);
    result.chart.caption = texts.superzahl;
    result.chart.note = countedNote(floored, texts);
    labelAxes(result.chart, texts.superzahlAchse, texts.seitLetztem);
    return result;
}

ChartData tipDistribution(const QStringList& cells, const StatsTexts& texts)
{
    std::array<qint32, kMaxNumber + 1> counters{};
    for (const QString& cell : cells) {
        bool ok = false;
        const int number = cell.trimmed().toInt(&ok);
        if (!ok)
            break;
        if (number >= 0 && number <= kMaxNumber)
            ++counters[static_cast<std::size_t>(number)];
    }
    ChartData chart = counterChart(counters, 1, kMaxNumber, BarColouring::Primes, LeftAxis::CounterRange);
    chart.caption = texts.tippverteilung;
    labelAxes(chart, texts.zahl, texts.anzahlInTipps);
    addPrimeLegend(chart, texts);
    return chart;
}
