#include "stats/PropertyStats.h"

#include "stats/ChartLabels.h"
#include "stats/CounterChart.h"
#include "stats/Selection.h"
#include "stats/Primes.h"
#include "stats/Rounding.h"

namespace {

int countWithProperty(const Draw& draw, DrawProperty property)
{
    if (property == DrawProperty::Prime)
        return primzahlen(draw.number(0), draw.number(1), draw.number(2), draw.number(3),
                          draw.number(4), draw.number(5));
    const int wantedRemainder = property == DrawProperty::Odd ? 1 : 0;
    int count = 0;
    for (int i = 0; i < 6; ++i)
        count += draw.number(i) % 2 == wantedRemainder ? 1 : 0;
    return count;
}

} // namespace

StatResult perDrawCounts(const DrawSource& source, const CountingWindow& window, DrawProperty property,
                         const StatsTexts& texts)
{
    const CountingWindow selection = withStart(window, false);
    std::array<qint32, 7> counters{};
    StatResult result;
    result.error = source.forEach([&](const Draw& draw) {
        if (!selection.admits(draw))
            return;
        ++result.drawCount;
        result.lastDraw = draw.zahl();
        ++counters[static_cast<std::size_t>(countWithProperty(draw, property))];
    });
    if (!result.ok()) {
        result.lastDraw.reset();
        return result;
    }
    result.chart = counterChart(counters, 0, 6, BarColouring::Series, LeftAxis::CounterRange);

    double withProperty = 0.0;
    for (int c = 0; c <= 6; ++c)
        withProperty += static_cast<double>(c) * counters[static_cast<std::size_t>(c)];
    const long long share =
        result.drawCount > 0 ? roundHalfEven(withProperty * 100.0 / (6.0 * result.drawCount)) : 0;

    const QString* first = &texts.primzahlenBei;
    const QString* second = &texts.warenPrimzahlen;
    const QString* axis = &texts.primzahlenJe;
    QString separator = QStringLiteral(". ");
    if (property == DrawProperty::Odd) {
        first = &texts.ungeradeBei;
        second = &texts.warenUngerade;
        axis = &texts.ungeradeJe;
        separator = QStringLiteral(".  ");
    } else if (property == DrawProperty::Even) {
        first = &texts.geradeBei;
        second = &texts.warenGerade;
        axis = &texts.geradeJe;
        separator = QStringLiteral(".  ");
    }
    result.chart.note = countedNote(selection, texts);
    labelAxes(result.chart, *axis, texts.anzahlZiehungen);
    result.chart.caption = *first + QLatin1Char(' ') + QString::number(result.drawCount) + QLatin1Char(' ')
        + texts.ziehungen + separator + QString::number(share) + QStringLiteral("% ") + *second
        + QLatin1Char('.');
    return result;
}
