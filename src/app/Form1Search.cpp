#include "app/TForm1.h"

#include "app/LongRun.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "draws/DrawText.h"
#include "evaluation/TipSearchRun.h"
#include "platform/Chart1.h"
#include "platform/Dialogs.h"
#include "text/TextLine.h"

namespace {

// A row's hits as the search shows them; the cells keep their colours.
void showSearchHits(TipBoard& board, int row, const CheckResult& check)
{
    QString hits = QString::number(check.gewinn);
    if (check.zusatz)
        hits += QStringLiteral(" + B");
    board.setHits(row, hits, check.gewinn >= 3 ? QColor(255, 0, 0) : QColor(Qt::black));
}

// The window's side of the search: the examined draw in the session and on
// the pages, progress in the status bar, the rating and the question at a
// hit.
class SearchWindow final : public SearchHost {
public:
    SearchWindow(TForm1& window, LongRun& run)
        : window_(window), run_(run), board_(*window.tipBoard()), weekdays_(shortWeekdayNames(window.Sprache))
    {
    }

    void progress(const Draw& next, int percent) override
    {
        run_.keepResponsive([&] {
            showExamined(TipBoard::RowCount);
            window_.setStatusPanel(0, tipSearchProgress(next.datum, percent));
        });
    }

    bool stopRequested() override { return run_.stopRequested(); }

    // The examined draw is the current one; the position stays, so browsing
    // continues from the draw that was current before the search.
    void examining(const Draw& draw) override
    {
        examined_ = &draw;
        firstUnshownRow_ = 1;
        window_.session().makeCurrent(draw);
    }

    void checked(int row, const CheckResult& check) override
    {
        checks_[std::size_t(row - 1)] = check;
        LastRating& last = window_.session().lastRating;
        last.treffer = check.treffer;
        last.gewinn = check.gewinn;
        last.zusatz = check.zusatz;
    }

    void hit(int row, BoardRows& rows) override
    {
        // The rating rewrites every row's labels: the rows before this one
        // need not be shown first.
        showExamined(0);
        firstUnshownRow_ = row + 1;
        window_.Komplettcheck();
        rows = board_.cells(); // the rating sorted the rows
    }

    bool goOn(const QString& title, const QString& message) override
    {
        return window_.dialogs().askYesNo(&window_, title, message);
    }

    // The labels of the draw being examined are written only when someone
    // can see them: at about frame rate, before a found message and at the
    // end. Writing fifteen labels for each of thousands of draws would cost
    // more than the search itself.
    void showExamined(int lastRow)
    {
        if (!examined_)
            return;
        const QString line = drawLine(*examined_, weekdays_, false);
        window_.datenbankPage()->setDrawLine(line);
        window_.lottotippPage()->setDrawLine(line);
        window_.lottotippPage()->setCrossSum(crossSumText(*examined_, window_.text(TextLine::CrossSumLabel)));
        for (std::size_t r = std::size_t(std::max(firstUnshownRow_, 1));
             r <= std::size_t(std::max(lastRow, 0)); ++r)
            showSearchHits(board_, int(r), checks_.at(r - 1));
        firstUnshownRow_ = lastRow + 1;
    }

private:
    TForm1& window_;
    LongRun& run_;
    TipBoard& board_;
    const QStringList weekdays_;
    const Draw* examined_ = nullptr;
    std::array<CheckResult, TipBoard::RowCount> checks_{};
    int firstUnshownRow_ = 1;
};

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
        dialogs(), this, text(TextLine::SearchCaption), text(TextLine::SearchThreshold), QStringLiteral("6"),
        [this](const QString& answer) { return text(TextLine::NotAWholeNumber).arg(answer); });
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
    SearchWindow host(*this, run);
    const TipSearchOutcome outcome = runTipSearch(*draws, tipBoard()->cells(), range, threshold, host,
                                                  ticketSuperNumber());
    if (outcome.declined) {
        setStatusPanel(0, QString());
        return;
    }
    host.showExamined(TipBoard::RowCount);
    if (outcome.stopped) {
        setStatusPanel(0, [] { return tipSearchStopped(); });
        return;
    }
    setStatusPanel(0, QString());
    for (int x = 0; x <= 9; ++x)
        chart.addBar(Chart1::Series2, x, 0);
}
