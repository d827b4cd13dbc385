#include "app/TForm1.h"

#include "app/LongRun.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "draws/DrawText.h"
#include "evaluation/TipSearch.h"
#include "evaluation/Zettelcheck.h"
#include "platform/Chart1.h"
#include "platform/Dialogs.h"

namespace {

constexpr int kLineProgress = 60;      // "Suche: %1 (%2 %)"
constexpr int kLineSearchStopped = 61; // "Die Suche wurde angehalten."
constexpr int kLineNotANumber = 69;    // "„%1“ ist keine gültige ganze Zahl."
constexpr int kLineFoundRow = 108;      // "Reihe %1: %2 (%3 Treffer)"

using Rows = std::array<std::array<QString, 6>, TipBoard::RowCount>;

Rows readRows(const TipBoard& board)
{
    Rows rows;
    for (int r = 1; r <= TipBoard::RowCount; ++r)
        for (int k = 1; k <= TipBoard::CellCount; ++k)
            rows[std::size_t(r - 1)][std::size_t(k - 1)] = board.cellText(r, k);
    return rows;
}

// A row's hits as the search shows them; the cells keep their colours.
void showSearchHits(TipBoard& board, int row, const CheckResult& check)
{
    QString hits = QString::number(check.gewinn);
    if (check.zusatz)
        hits += QStringLiteral(" + B");
    board.setHits(row, hits, check.gewinn >= 3 ? QColor(255, 0, 0) : QColor(Qt::black));
}

QString shortDate(double datum)
{
    return DateSerial::toDate(datum).toString(QStringLiteral("dd.MM.yyyy"));
}

} // namespace

void TForm1::SpeedButton4Click()
{
    if (activity() == Activity::Searching) {
        requestStop();
        return;
    }
    if (refuseWhileBusy())
        return;

    // The question goes inside the dialog, where it is read; the title names
    // the operation.
    const std::optional<int> asked = askWholeNumber(
        dialogs(), this, text(5), text(4), QStringLiteral("6"),
        [this](const QString& answer) { return text(kLineNotANumber).arg(answer); });
    if (!asked)
        return;
    const int threshold = *asked;
    QString error;
    const std::optional<std::vector<Draw>> draws = DrawFile(databasePath()).readAll(&error);
    if (!draws) {
        dialogs().showError(this, error);
        return;
    }

    const QDate start = diagrammPage()->startDate();
    if (start.isValid())
        session_.workingDate = DateSerial::fromDate(start);
    session_.lastRating.gewinn = 0;
    Chart1& chart = *this->chart();
    chart.setActive(Chart1::Series2, true);
    chart.setActive(Chart1::Series1, false);
    chart.clear(Chart1::Series2);
    session_.windowEnd = DateSerial::fromDate(datenbankPage()->endDate());
    const SearchRange range{session_.workingDate, session_.windowEnd, datenbankPage()->saturdays(),
                            datenbankPage()->wednesdays()};

    LongRun run(*this, Activity::Searching);
    TipBoard& board = *tipBoard();
    Rows rows = readRows(board);
    const QStringList weekdays = shortWeekdayNames(Sprache);

    // The labels of the draw being examined are written only when someone
    // can see them: at about frame rate, before a found message and at the
    // end. Writing fifteen labels for each of thousands of draws would cost
    // more than the search itself.
    const Draw* examined = nullptr;
    std::array<CheckResult, TipBoard::RowCount> checks{};
    int firstUnshownRow = 1;
    const auto showExamined = [&](int lastRow) {
        if (!examined)
            return;
        const QString line = drawLine(*examined, weekdays, false);
        datenbankPage()->setDrawLine(line);
        lottotippPage()->setDrawLine(line);
        lottotippPage()->setCrossSum(crossSumText(*examined, text(56)));
        for (std::size_t r = std::size_t(std::max(firstUnshownRow, 1));
             r <= std::size_t(std::max(lastRow, 0)); ++r)
            showSearchHits(board, int(r), checks.at(r - 1));
        firstUnshownRow = lastRow + 1;
    };

    for (std::size_t i = 0; i < draws->size(); ++i) {
        const Draw& draw = (*draws)[i];
        if (!range.examines(draw))
            continue;
        run.keepResponsive([&] {
            showExamined(TipBoard::RowCount);
            setStatusPanel(0, text(kLineProgress)
                                  .arg(shortDate(draw.datum))
                                  .arg(int(100 * i / draws->size())));
        });
        if (run.stopRequested()) {
            showExamined(TipBoard::RowCount);
            setStatusPanel(0, [this] { return text(kLineSearchStopped); });
            return;
        }
        // The examined draw is the current one; Position stays, so browsing
        // continues from the draw that was current before the search.
        examined = &draw;
        firstUnshownRow = 1;
        session_.drawDate = draw.datum;
        session_.numbers = draw.zahl();

        for (int r = 1; r <= TipBoard::RowCount; ++r) {
            const CheckResult& check = checks[std::size_t(r - 1)] =
                zettelcheck(rows[std::size_t(r - 1)], session_.numbers);
            session_.lastRating.treffer = check.treffer;
            session_.lastRating.gewinn = check.gewinn;
            session_.lastRating.zusatz = check.zusatz;
            if (check.gewinn < threshold)
                continue;

            // The rating rewrites every row's labels: the rows before this
            // one need not be shown first.
            showExamined(0);
            firstUnshownRow = r + 1;
            Komplettcheck();
            rows = readRows(board); // the rating sorted the rows
            // Name the row that hit, as the rating has just sorted it.
            const auto& cells = rows[std::size_t(r - 1)];
            const QString numbers = QStringList(cells.begin(), cells.end()).join(QLatin1Char(' ')).simplified();
            const QString message = text(6) + shortDate(draw.datum) + QLatin1Char('\n')
                                    + text(kLineFoundRow).arg(r).arg(numbers).arg(check.gewinn)
                                    + QLatin1Char('\n') + text(7);
            if (!dialogs().askYesNo(this, text(8), message)) {
                setStatusPanel(0, QString());
                return;
            }
        }
    }
    showExamined(TipBoard::RowCount);
    setStatusPanel(0, QString());
    for (int x = 0; x <= 9; ++x)
        chart.addBar(Chart1::Series2, x, 0);
}
