#include "evaluation/TicketReport.h"

#include "draws/DateSerial.h"
#include "draws/GameRules.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include <QDate>

namespace TicketReport {

namespace {

QString line(int index)
{
    return UiText::line(index);
}

QString classText(int prizeClass)
{
    return line(TextLine::PrizeClassShort).arg(prizeClass);
}

// `prizeClass` as the rating gave it: -1 when the game could not be rated.
QString digitGameText(const QString& game, int prizeClass, qint64 amountCents, bool validNumber,
                      bool drawHasDigits, const QLocale& locale)
{
    if (!validNumber)
        return line(TextLine::DigitGameNoLosnummer).arg(game);
    if (!drawHasDigits || prizeClass < 0)
        return line(TextLine::DigitGameNoNumbers).arg(game);
    if (prizeClass == 0)
        return line(TextLine::DigitGameNotWon).arg(game);
    // The jackpot's amount varies from draw to draw.
    const QString amount = amountCents > 0 ? euroText(amountCents, locale) : line(TextLine::Jackpot);
    return line(TextLine::DigitGameWon).arg(game, classText(prizeClass), amount);
}

QString daysText(DrawDays days, const QLocale& locale)
{
    const QString wednesday = locale.dayName(Qt::Wednesday);
    const QString saturday = locale.dayName(Qt::Saturday);
    switch (days) {
    case DrawDays::Wednesday: return wednesday;
    case DrawDays::Both: return wednesday + QStringLiteral(" + ") + saturday;
    case DrawDays::Saturday: break;
    }
    return saturday;
}

QString dateText(double date)
{
    return DateSerial::toDate(date).toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace

QString classesText(const TicketDrawResult& result)
{
    if (!result.classTable)
        return line(TextLine::NoClassTable);
    QStringList parts;
    for (std::size_t k = 1; k < result.perClass.size(); ++k)
        if (result.perClass[k] > 0)
            parts << classText(int(k)) + QStringLiteral(" ×") + QString::number(result.perClass[k]);
    return parts.isEmpty() ? line(TextLine::TicketNoClass)
                           : line(TextLine::TicketClasses).arg(parts.join(QStringLiteral(", ")));
}

QString spiel77Text(const TicketDrawResult& result, const TicketPlay& play, const Draw& draw,
                    const QLocale& locale)
{
    if (!play.spiel77)
        return {};
    return digitGameText(QStringLiteral("Spiel 77"), result.spiel77Class,
                         Prize::spiel77AmountCents(result.spiel77Class),
                         Prize::isValidLosnummer(play.losnummer), GameRules::hasSpiel77(draw), locale);
}

QString super6Text(const TicketDrawResult& result, const TicketPlay& play, const Draw& draw,
                   const QLocale& locale)
{
    if (!play.super6)
        return {};
    return digitGameText(QStringLiteral("Super 6"), result.super6Class,
                         Prize::super6AmountCents(result.super6Class),
                         Prize::isValidLosnummer(play.losnummer), GameRules::hasSuper6(draw), locale);
}

QString drawResultText(const TicketDrawResult& result, const TicketPlay& play, const Draw& draw,
                       const QLocale& locale)
{
    QStringList parts{classesText(result)};
    for (const QString& game : {spiel77Text(result, play, draw, locale), super6Text(result, play, draw, locale)})
        if (!game.isEmpty())
            parts << game;
    return parts.join(QStringLiteral("; "));
}

QStringList costLines(int rows, const TicketPlay& play, const TicketRun& run, const QString& feeText,
                      const QLocale& locale)
{
    QStringList lines;
    const std::optional<qint64> fee = parseCents(feeText);
    if (!fee)
        lines << line(TextLine::TicketFeeInvalid).arg(feeText);
    const TicketCost cost = ticketCost(rows, play.spiel77, play.super6, run.paidDraws(), fee.value_or(0));

    QStringList parts{line(TextLine::TicketRowsPrice).arg(QString::number(rows), euroText(Prices::kRowCents, locale))};
    if (play.spiel77)
        parts << euroText(cost.spiel77PerDraw, locale) + QStringLiteral(" (Spiel 77)");
    if (play.super6)
        parts << euroText(cost.super6PerDraw, locale) + QStringLiteral(" (Super 6)");
    lines << line(TextLine::TicketStakePerDraw).arg(parts.join(QStringLiteral(" + ")), euroText(cost.perDraw, locale));

    const int runLine = run.weeks > 0 ? TextLine::TicketStakeRun : TextLine::TicketStakeWeek;
    lines << line(runLine).arg(QString::number(cost.draws), QString::number(cost.draws),
                               euroText(cost.perDraw, locale), euroText(cost.fee, locale),
                               euroText(cost.run, locale));
    return lines;
}

QStringList runReport(std::span<const TicketRow> rows, std::span<const Draw> draws,
                      const TicketRun& run, const TicketPlay& play, const QString& feeText,
                      const QLocale& locale)
{
    const QString number = play.losnummer.trimmed().isEmpty() ? QStringLiteral("–") : play.losnummer;
    QStringList lines{line(TextLine::TicketReportHeading)
                          .arg(QString::number(rows.size()), number, dateText(run.firstDate),
                               daysText(run.days, locale), weeksText(run.weeks)),
                      QString()};
    qint64 fixed = 0;
    bool jackpot = false;
    const std::vector<TicketDrawResult> results = rateTicketRun(rows, draws, run, play);
    for (const TicketDrawResult& result : results) {
        const Draw& draw = draws[std::size_t(result.drawIndex)];
        fixed += result.fixedAmountCents;
        jackpot = jackpot || result.jackpot;
        lines << dateText(draw.datum) + QStringLiteral(": ") + drawResultText(result, play, draw, locale);
    }
    if (results.empty())
        lines << line(TextLine::TicketRunNoDraw);
    lines << QString();
    if (play.spiel77 || play.super6) {
        QString amount = euroText(fixed, locale);
        if (jackpot)
            amount += QStringLiteral(" + ") + line(TextLine::Jackpot);
        lines << line(TextLine::TicketFixedAmounts).arg(amount);
    }
    lines << costLines(int(rows.size()), play, run, feeText, locale);
    return lines;
}

QString weeksText(int weeks)
{
    if (weeks <= 0)
        return line(TextLine::TicketUntilChanged);
    return weeks == 1 ? line(TextLine::TicketOneWeek) : line(TextLine::TicketWeeks).arg(weeks);
}

} // namespace TicketReport
