#include "stats/ChartLabels.h"

#include "draws/DateSerial.h"

#include <QDate>

QString countedNote(const CountingWindow& selection, const StatsTexts& texts)
{
    const auto day = [](double serial) {
        return DateSerial::toDate(serial).toString(QStringLiteral("dd.MM.yyyy"));
    };
    const QString& line = selection.startInclusive ? texts.gezaehltAb : texts.gezaehltNach;
    return line.arg(day(selection.start), day(selection.end));
}

void labelAxes(ChartData& chart, const QString& bottom, const QString& left)
{
    chart.bottomTitle = bottom;
    chart.leftTitle = left;
}

void addPrimeLegend(ChartData& chart, const StatsTexts& texts)
{
    chart.legend = {{kPrimeRed, texts.primzahl}, {kNumberGreen, texts.keinePrimzahl}};
}
