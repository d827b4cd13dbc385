#include "evaluation/Backtest.h"

#include "draws/DateSerial.h"

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
    ++passes;
    return threeOrMore;
}

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
            lines << row.arg(QStringLiteral("%1x + Bonus").arg(k))
                         .arg(counts.weekend[k][1])
                         .arg(counts.otherDays[k][1]);
    }
    lines << QString() << QStringLiteral("%1 %2").arg(counts.passes).arg(texts.draws);
    lines << Chance::report(Chance::compare(counts.observed),
                            Chance::threeOrMoreTest(counts.observed.passes));
    if (stopped)
        lines << texts.stopped.arg(counts.passes);
    return lines;
}

} // namespace Backtest
