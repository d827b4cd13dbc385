#include "evaluation/Backtest.h"

#include "draws/DateSerial.h"
#include "evaluation/PrizeClasses.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include <QLocale>

#include <algorithm>

int BacktestCounts::addPass(const Statistik& statistik, const Draw& ratedDraw, const BoardRows& rows)
{
    Chance::Pass pass;
    pass.draw = Chance::drawMask({ratedDraw.number(0), ratedDraw.number(1), ratedDraw.number(2),
                                  ratedDraw.number(3), ratedDraw.number(4), ratedDraw.number(5)});
    const std::array<qint32, 9> zahl = ratedDraw.zahl();
    for (const auto& cells : rows) {
        // The rows the rating counted: six numbers, none missing.
        const RowRating rating = rateRow(cells, zahl);
        if (rating.valid)
            pass.rows.push_back(Chance::rowMask(rating.sorted));
    }
    observed.passes.push_back(std::move(pass));

    const int weekday = DateSerial::weekday(ratedDraw.datum);
    Statistik& target = weekday == DateSerial::Saturday || weekday == DateSerial::Sunday
                            ? weekend
                            : otherDays;
    // A draw stored without bonus number holds 0 there, which no row can hit.
    const bool hasBonus = isLottoNumber(ratedDraw.bonus());
    int threeOrMore = 0;
    for (std::size_t k = 0; k < statistik.size(); ++k) {
        for (std::size_t b = 0; b < 2; ++b) {
            target[k][b] += statistik[k][b];
            observed.rows[k][b] += statistik[k][b];
            (hasBonus ? observed.rowsWithBonus : observed.rowsWithoutBonus) += statistik[k][b];
            if (k >= 3)
                threeOrMore += statistik[k][b];
        }
    }
    addClasses(statistik, ratedDraw, &target == &weekend ? 0 : 1);
    ++passes;
    return threeOrMore;
}

void BacktestCounts::addClasses(const Statistik& statistik, const Draw& ratedDraw, std::size_t side)
{
    const Prize::Era* era = Prize::eraOn(ratedDraw.datum);
    if (!era) {
        ++passesWithoutTable;
        return;
    }
    classRows = std::max(classRows, Prize::classCount(*era));
    for (std::size_t k = 0; k < statistik.size(); ++k) {
        for (std::size_t b = 0; b < 2; ++b) {
            const qint64 rows = statistik[k][b];
            if (rows == 0)
                continue;
            const auto add = [&](int ticket, qint64 tenths) {
                const int prizeClass = Prize::rateHits(int(k), b == 1, ratedDraw, ticket).prizeClass;
                if (prizeClass > 0)
                    classTenths[std::size_t(prizeClass)][side] += rows * tenths;
            };
            if (ticketSuper >= 0) {
                add(ticketSuper, 10);
            } else {
                add(ratedDraw.superNumber(), 1); // the ticket's super number is the drawn one
                add(-1, 9);
            }
        }
    }
}

namespace {

// The counts per prize class where the rated draws' rules give classes,
// whole rows with the ticket's super number, expected rows with one decimal
// when it was counted by chance; then a note for draws without a table.
QStringList classLines(const BacktestCounts& counts)
{
    QStringList lines;
    const bool byChance = counts.ticketSuper < 0;
    const QLocale german(QLocale::German);
    const auto rows = [&](qint64 tenths) {
        return byChance ? german.toString(double(tenths) / 10.0, 'f', 1) : QString::number(tenths / 10);
    };
    for (int c = 1; c <= counts.classRows; ++c) {
        const auto& tally = counts.classTenths[std::size_t(c)];
        lines << QStringLiteral("%1\t=>\t%2\t=>\t%3")
                     .arg(UiText::line(TextLine::PrizeClass).arg(c), rows(tally[0]), rows(tally[1]));
    }
    if (counts.classRows > 0)
        lines << (byChance ? UiText::line(TextLine::BacktestClassesByChance)
                           : UiText::line(TextLine::BacktestClassesTicket).arg(counts.ticketSuper));
    if (counts.passesWithoutTable > 0)
        lines << UiText::line(TextLine::NoClassTable);
    return lines;
}

} // namespace

namespace Backtest {

int advanceDays(bool saturdays, bool wednesdays)
{
    return saturdays && wednesdays ? 3 : 6;
}

QStringList report(const BacktestCounts& counts, const ReportTexts& texts, bool stopped)
{
    QStringList lines{texts.heading};
    const QString row = QStringLiteral("%1\t=>\t%2\t=>\t%3");
    for (std::size_t k = 0; k <= 6; ++k) {
        lines << row.arg(QStringLiteral("%1x").arg(k))
                     .arg(counts.weekend[k][0])
                     .arg(counts.otherDays[k][0]);
        if (k <= 5)
            lines << row.arg(UiText::line(TextLine::HitsWithBonus).arg(k))
                         .arg(counts.weekend[k][1])
                         .arg(counts.otherDays[k][1]);
    }
    lines << classLines(counts);
    lines << QString() << QStringLiteral("%1 %2").arg(counts.passes).arg(texts.draws);
    lines << Chance::report(Chance::compare(counts.observed),
                            Chance::threeOrMoreTest(counts.observed.passes));
    if (stopped)
        lines << texts.stopped.arg(counts.passes);
    return lines;
}

} // namespace Backtest
