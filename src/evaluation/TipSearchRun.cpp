#include "evaluation/TipSearchRun.h"

#include "draws/DateSerial.h"
#include "evaluation/PrizeClasses.h"
#include "text/UiText.h"
#include "text/TextLine.h"

#include <QStringList>

namespace {

QString shortDate(double datum)
{
    return DateSerial::toDate(datum).toString(QStringLiteral("dd.MM.yyyy"));
}

// The row's prize class is named on a line of its own where the draw's
// rules give one; draws before the first class table keep the hits alone.
QString foundMessage(const Draw& draw, int row, const std::array<QString, 6>& cells,
                     const CheckResult& check, int ticketSuper)
{
    const QString numbers = QStringList(cells.begin(), cells.end()).join(QLatin1Char(' ')).simplified();
    const int prizeClass = Prize::rateHits(check.gewinn, check.zusatz, draw, ticketSuper).prizeClass;
    const QString classLine = prizeClass > 0
                                  ? UiText::line(TextLine::PrizeClass).arg(prizeClass) + QLatin1Char('\n')
                                  : QString();
    return UiText::line(TextLine::SearchFoundOn) + shortDate(draw.datum) + QLatin1Char('\n')
           + UiText::line(TextLine::SearchFoundRow).arg(row).arg(numbers).arg(check.gewinn) + QLatin1Char('\n')
           + classLine + UiText::line(TextLine::SearchGoOn);
}

} // namespace

QString tipSearchProgress(double datum, int percent)
{
    return UiText::line(TextLine::SearchProgress).arg(shortDate(datum)).arg(percent);
}

QString tipSearchStopped()
{
    return UiText::line(TextLine::SearchStopped);
}

TipSearchOutcome runTipSearch(const std::vector<Draw>& draws, BoardRows rows,
                              const SearchRange& range, int threshold, SearchHost& host,
                              int ticketSuper)
{
    TipSearchOutcome outcome;
    for (std::size_t i = 0; i < draws.size(); ++i) {
        const Draw& draw = draws[i];
        if (!range.examines(draw))
            continue;
        host.progress(draw, int(100 * i / draws.size()));
        if (host.stopRequested()) {
            outcome.stopped = true;
            return outcome;
        }
        host.examining(draw);
        outcome.lastExamined = int(i);
        const std::array<qint32, 9> numbers = draw.zahl();
        for (int r = 1; r <= int(rows.size()); ++r) {
            const CheckResult check = zettelcheck(rows[std::size_t(r - 1)], numbers);
            host.checked(r, check);
            if (check.gewinn < threshold)
                continue;
            host.hit(r, rows);
            // Named as the host left it: after a rating, the sorted row.
            if (!host.goOn(UiText::line(TextLine::SearchFoundCaption),
                           foundMessage(draw, r, rows[std::size_t(r - 1)], check, ticketSuper))) {
                outcome.declined = true;
                return outcome;
            }
        }
    }
    return outcome;
}
