#include "systems/SystemTexts.h"

#include "evaluation/TicketCost.h"
#include "systems/SystemRating.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include <bit>

namespace SystemTexts {

QString guarantee(Guarantee guarantee)
{
    return UiText::line(TextLine::GuaranteeInWords).arg(guarantee.hits).arg(guarantee.ifDrawn);
}

QString numbers(NumberMask numberMask)
{
    QString text;
    while (numberMask != 0) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        text += QString::number(std::countr_zero(numberMask));
        numberMask &= numberMask - 1;
    }
    return text;
}

QString numbers(const std::vector<int>& numbers)
{
    QStringList words;
    for (int number : numbers)
        words << QString::number(number);
    return words.join(u' ');
}

QString info(const LottoSystem& system)
{
    if (!system.guarantee.isSet())
        return UiText::line(TextLine::SystemInfoPlain).arg(system.rows.size());
    return UiText::line(TextLine::SystemInfo).arg(system.rows.size()).arg(guarantee(system.guarantee));
}

QStringList totalsLines(const SystemTotals& totals)
{
    QStringList lines;
    for (int hits = 6; hits >= 2; --hits)
        lines << UiText::line(TextLine::SystemHits).arg(hits).arg(totals.perHits[std::size_t(hits)]);
    if (totals.drawsWithClasses == 0) {
        lines << UiText::line(TextLine::NoClassTable);
        return lines;
    }
    for (int prizeClass = 1; prizeClass <= 9; ++prizeClass)
        if (totals.perClass[std::size_t(prizeClass)] > 0)
            lines << UiText::line(TextLine::SystemClassRows)
                         .arg(UiText::line(TextLine::PrizeClass).arg(prizeClass))
                         .arg(totals.perClass[std::size_t(prizeClass)]);
    return lines;
}

QStringList backtestReport(const LottoSystem& system, const SystemBacktest& result, const QString& from,
                           const QString& to, const QLocale& locale)
{
    QStringList lines;
    lines << UiText::line(TextLine::SystemBacktestHeading).arg(system.name, numbers(system.numbers), from, to);
    lines << info(system);
    lines << UiText::line(TextLine::SystemBacktestDraws).arg(result.system.draws).arg(result.skipped);
    lines << QString();
    lines << totalsLines(result.system);
    lines << UiText::line(TextLine::SystemBacktestStake).arg(euroText(result.system.stakeCents, locale));
    lines << QString() << UiText::line(TextLine::SystemBacktestRandom).arg(result.randomRows.size());
    lines << totalsLines(result.random);
    lines << UiText::line(TextLine::SystemBacktestStake).arg(euroText(result.random.stakeCents, locale));
    return lines;
}

QStringList printout(const LottoSystem& system, const QStringList& costLines)
{
    QStringList lines;
    lines << UiText::line(TextLine::SystemPrintHeading).arg(system.name, numbers(system.numbers));
    lines << info(system);
    lines << costLines;
    lines << QString();
    const std::vector<SixNumbers> rows = system.sortedRows();
    const int width = int(QString::number(rows.size()).size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        QString line = QStringLiteral("%1:").arg(int(r + 1), width);
        for (int number : rows[r])
            line += QStringLiteral(" %1").arg(number, 2);
        lines << line;
    }
    return lines;
}

} // namespace SystemTexts
