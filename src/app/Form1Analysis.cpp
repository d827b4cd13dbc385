#include "app/TForm1.h"

#include "app/LongRun.h"
#include "app/pages/BerechnungPage.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "draws/DrawLocator.h"
#include "evaluation/Backtest.h"
#include "evaluation/DrawComparison.h"
#include "evaluation/ReportFile.h"
#include "evaluation/RtfWriter.h"
#include "generator/Random.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QTextEdit>

#include <cmath>

namespace {

constexpr int kLineStop = 16;            // "Stoppen"
constexpr int kLinePass = 62;            // "Durchgang %1: %2 (%3 %)"
constexpr int kLineNotANumber = 69;      // "„%1“ ist keine gültige ganze Zahl."
constexpr int kLineNoDraws = 70;         // "Die Datenbank enthält keine Ziehungen."
constexpr int kLineAnalysisStopped = 71; // "Die Analyse wurde vorzeitig angehalten, nach %1 Durchgängen."

QString passProgress(const QString& line, int pass, double datum, int percent)
{
    return line
        .arg(pass)
        .arg(DateSerial::toDate(datum).toString(QStringLiteral("dd.MM.yyyy")))
        .arg(percent);
}

QString shortDate(double datum)
{
    return DateSerial::toDate(datum).toString(QStringLiteral("dd.MM.yyyy"));
}

int percentOf(double done, double all)
{
    return all > 0.0 ? int(std::clamp(100.0 * done / all, 0.0, 100.0)) : 100;
}

BoardRows boardRows(const TipBoard& board)
{
    BoardRows rows;
    for (int r = 1; r <= TipBoard::RowCount; ++r)
        for (int k = 1; k <= TipBoard::CellCount; ++k)
            rows[std::size_t(r - 1)][std::size_t(k - 1)] = board.cellText(r, k);
    return rows;
}

// Leaves CheckBox20 as it found it on every way out of the backtest.
class EditPoolOff {
public:
    explicit EditPoolOff(QCheckBox* box) : box_(box), was_(box && box->isChecked())
    {
        if (box_)
            box_->setChecked(false);
    }
    ~EditPoolOff()
    {
        if (box_)
            box_->setChecked(was_);
    }
    EditPoolOff(const EditPoolOff&) = delete;
    EditPoolOff& operator=(const EditPoolOff&) = delete;

private:
    QCheckBox* box_;
    bool was_;
};

// A click on the button of the running analysis stops it; while any other
// long operation runs, the click is refused. True: the click is handled.
bool stoppedOrRefused(TForm1& form, TForm1::Analysis which)
{
    if (form.activity() == TForm1::Activity::Analysing) {
        if (form.runningAnalysis == which)
            form.requestStop();
        else
            form.refuseWhileBusy();
        return true;
    }
    return form.refuseWhileBusy();
}

// The stored draws, or nothing after the system's error text was shown.
std::optional<std::vector<Draw>> readDrawsOrSay(TForm1& form)
{
    QString error;
    std::optional<std::vector<Draw>> draws = DrawFile(form.databasePath()).readAll(&error);
    if (!draws)
        form.dialogs().showError(&form, error);
    return draws;
}

} // namespace

void TForm1::connectAnalysis()
{
    // Each backtest pass runs the window's own tip generator.
    backtestGenerator = [this] { generateTips(); };
}

void TForm1::rateDrawOfDay(const std::vector<Draw>& draws, double day)
{
    session_.workingDate = std::nearbyint(day);
    if (const std::optional<LocatedDraw> located = locateDraw(draws, session_.workingDate)) {
        session_.position = located->index;
        showCurrentDraw(located->draw, located->firstRecord);
    }
    Komplettcheck();
}

void TForm1::BitBtn9Click()
{
    if (stoppedOrRefused(*this, Analysis::Backtest))
        return;
    const std::optional<std::vector<Draw>> draws = readDrawsOrSay(*this);
    if (!draws)
        return;
    if (draws->empty()) {
        dialogs().showMessage(this, text(kLineNoDraws));
        return;
    }

    // The generator must not stop at its weighting dialog in every pass.
    const EditPoolOff editPoolOff(
        berechnungPage()->findChild<QCheckBox*>(QStringLiteral("CheckBox20")));
    double loopDate = DateSerial::fromDate(datenbankPage()->endDate());
    rateDrawOfDay(*draws, loopDate);

    const std::optional<int> lucky = askWholeNumber(
        dialogs(), this, text(30) + QStringLiteral(" (1-99999999)?"), text(31),
        QString::number(Random::global().below(99999)), [this](const QString&) { return text(34); });
    if (!lucky)
        return;
    const qint32 seed = *lucky;
    Random::global().setSeed(quint32(seed));
    setStatusPanel(1, [this, seed] { return text(31) + QLatin1Char(' ') + QString::number(seed); });

    BacktestCounts counts;
    const int advance = Backtest::advanceDays(datenbankPage()->saturdays(),
                                              datenbankPage()->wednesdays());
    const double firstDate = loopDate;
    const double lastDate = draws->back().datum;
    bool stopped = false;
    // The passes write their tips into the board; the user's own come back after.
    const TipBoard::Cells userBoard = tipBoard()->cells();
    {
        LongRun run(*this, Activity::Analysing);
        runningAnalysis = Analysis::Backtest;
        // The passes keep switching between the chart and the tips, so the
        // stop the user can reach is the generator's button: it reads
        // "Stoppen" for the whole backtest, not only while a pass generates.
        const QString generateCaption = lottotippPage()->generateCaption();
        lottotippPage()->setGenerateCaption(text(kLineStop));
        double previous = DateSerial::today();
        int threeOrMore = 4; // the first pass always generates
        // A damaged date (NaN) never equals itself: such a run ends at once.
        while (previous != loopDate && std::isfinite(loopDate)) {
            run.keepResponsive([&] {
                setStatusPanel(0, passProgress(text(kLinePass), counts.passes + 1, loopDate,
                                               percentOf(loopDate - firstDate, lastDate - firstDate)));
            });
            if (run.stopRequested()) {
                stopped = true;
                break;
            }
            previous = loopDate;
            const double seen = session_.drawDate; // the latest draw the generation knows
            Random::global().setSeed(quint32(seed));
            if (!datenbankPage()->recalcOnlyAfterThree() || threeOrMore > 0) {
                if (backtestGenerator)
                    backtestGenerator();
            }
            // Rate a draw the generation could not see. From a day without a
            // draw the shown draw is the next one, which the step alone may
            // not pass.
            rateDrawOfDay(*draws, std::max(loopDate + advance, seen + 1.0));
            Draw rated;
            rated.datum = session_.drawDate;
            for (std::size_t i = 0; i < rated.zahlen.size(); ++i)
                rated.zahlen[i] = quint8(session_.numbers[i + 1]);
            threeOrMore = counts.addPass(session_.lastRating.statistik, rated, boardRows(*tipBoard()));
            session_.lastRating.gewinn = quint8(std::min(threeOrMore, 255));
            loopDate = session_.drawDate;
            // No later draw: this pass rated the last draw once more, and it
            // is the last pass.
            if (session_.drawDate == seen)
                break;
        }
        lottotippPage()->setGenerateCaption(generateCaption);
        runningAnalysis = Analysis::None;
    }
    tipBoard()->setCells(userBoard);
    Komplettcheck();
    if (stopped)
        setStatusPanel(0, [this, passes = counts.passes] { return text(kLineAnalysisStopped).arg(passes); });
    else
        setStatusPanel(0, QString());

    const QStringList lines = Backtest::report(counts, {text(33), text(1), text(kLineAnalysisStopped)}, stopped);
    const QString path = Home + QStringLiteral("Test.txt");
    const QString error = ReportFile::save(path, ReportFile::textLines(lines));
    if (!error.isEmpty()) {
        dialogs().showError(this, error);
        return;
    }
    showReport(path, lines.join(QLatin1Char('\n')));
}

namespace {

// The window's side of the draw comparison: progress and the found message.
class ComparisonWindow final : public ComparisonHost {
public:
    ComparisonWindow(TForm1& window, LongRun& run, const std::vector<Draw>& draws, int first)
        : window_(window), run_(run), draws_(draws), first_(first)
    {
    }

    bool beginReference(int reference, int passesDone) override
    {
        reference_ = reference;
        passesDone_ = passesDone;
        run_.keepResponsive([&] { showPass(); });
        return !run_.stopRequested();
    }

    // The progress shown last may be several passes old, and the board
    // still holds the tips from before the run: without the reference draw
    // and its pass in view, the date alone would not tell what matched.
    bool found(const Draw& earlierDraw) override
    {
        showPass();
        TipBoard& board = *window_.tipBoard();
        board.clearUnlockedRows();
        const Draw& reference = draws_[std::size_t(reference_)];
        for (int k = 1; k <= TipBoard::CellCount; ++k)
            board.setCellText(1, k, QString::number(reference.number(k - 1)));
        // The earlier draw is one of draws_: the scan walks that very vector.
        window_.session().position = int(&earlierDraw - draws_.data());
        window_.showCurrentDraw(earlierDraw, window_.session().position == 0);
        window_.Komplettcheck();

        const QString message =
            window_.text(6) + shortDate(earlierDraw.datum) + QStringLiteral("  ") + window_.text(7);
        return window_.dialogs().askYesNo(&window_, window_.text(8), message);
    }

private:
    TForm1& window_;
    LongRun& run_;
    const std::vector<Draw>& draws_;
    int first_;
    int reference_ = 0;
    int passesDone_ = 0;

    void showPass()
    {
        const double datum = draws_[std::size_t(reference_)].datum;
        window_.setStatusPanel(
            0, passProgress(window_.text(kLinePass), passesDone_ + 1, datum,
                            percentOf(reference_ - first_, double(draws_.size()) - 1 - first_)));
        window_.setStatusPanel(1, shortDate(datum));
    }
};

} // namespace

void TForm1::BitBtn19Click()
{
    if (stoppedOrRefused(*this, Analysis::Comparison))
        return;
    const std::optional<std::vector<Draw>> draws = readDrawsOrSay(*this);
    if (!draws)
        return;
    if (draws->empty()) {
        dialogs().showMessage(this, text(kLineNoDraws));
        return;
    }
    // A wrong threshold ends the analysis before anything has changed.
    const std::optional<int> asked = askWholeNumber(
        dialogs(), this, text(4), text(39), QStringLiteral("6"),
        [this](const QString& answer) { return text(kLineNotANumber).arg(answer); });
    if (!asked)
        return;
    const int threshold = *asked;

    rateDrawOfDay(*draws, DateSerial::fromDate(datenbankPage()->endDate()));
    PageControl1->setCurrentWidget(lottotippPage());
    session_.windowEnd = session_.drawDate;

    ComparisonSetup setup;
    setup.chosenDay = session_.workingDate;
    const QDate start = diagrammPage()->startDate();
    setup.windowStart = start.isValid() ? DateSerial::fromDate(start) : session_.workingDate;
    setup.saturdays = datenbankPage()->saturdays();
    setup.wednesdays = datenbankPage()->wednesdays();
    setup.threshold = threshold;

    ComparisonResult result;
    {
        const BusyCursor busy;
        LongRun run(*this, Activity::Analysing);
        runningAnalysis = Analysis::Comparison;
        ComparisonWindow host(*this, run, *draws, session_.position);
        result = compareDraws(*draws, setup, host);
        runningAnalysis = Analysis::None;
    }
    setStatusPanel(0, QString());
    // Declined at a found message: the window stays as the question showed it.
    if (result.end == ComparisonResult::End::Declined)
        return;

    // Row 1 holds the last reference draw, the draw after it is current.
    TipBoard& board = *tipBoard();
    if (result.lastReference >= 0) {
        board.clearUnlockedRows();
        const Draw& reference = (*draws)[std::size_t(result.lastReference)];
        for (int k = 1; k <= TipBoard::CellCount; ++k)
            board.setCellText(1, k, QString::number(reference.number(k - 1)));
    }
    if (result.current >= 0) {
        if (result.passes > 0 && start.isValid())
            session_.workingDate = setup.windowStart;
        session_.position = result.current;
        showCurrentDraw((*draws)[std::size_t(session_.position)], session_.position == 0);
        Komplettcheck();
    }

    QStringList lines =
        comparisonReport(result.counts, {text(40), text(41), text(42), text(43)});
    if (result.end == ComparisonResult::End::Stopped)
        lines << text(kLineAnalysisStopped).arg(result.passes);
    lottotippPage()->richEdit()->setPlainText(lines.join(QLatin1Char('\n')));
    const QString path = Home + QStringLiteral("Test.rtf");
    const QString error = ReportFile::save(path, RtfWriter::document(lines));
    if (!error.isEmpty()) {
        dialogs().showError(this, error);
        return;
    }
    showReport(path, lines.join(QLatin1Char('\n')));
}
