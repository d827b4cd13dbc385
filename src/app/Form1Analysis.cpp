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
#include "evaluation/BacktestRun.h"
#include "evaluation/DrawComparison.h"
#include "evaluation/ReportFile.h"
#include "evaluation/RtfWriter.h"
#include "generator/HistoryIndex.h"
#include "generator/Random.h"
#include "generator/TipGeneration.h"
#include "platform/UpDown.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"
#include "text/TextLine.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QTextEdit>

#include <cmath>

namespace {

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

void TForm1::rateDrawOfDay(const std::vector<Draw>& draws, double day)
{
    session_.workingDate = std::nearbyint(day);
    if (const std::optional<LocatedDraw> located = locateDraw(draws, session_.workingDate)) {
        session_.position = located->index;
        showCurrentDraw(located->draw, located->firstRecord);
    }
    Komplettcheck();
}

namespace {

// The window's side of the backtest: each pass's tips from the generator
// library on the draws read once (or from a test's stand-in through the
// board), progress, the charts and the tips shown at frame rate.
class BacktestWindow final : public BacktestHost {
public:
    BacktestWindow(TForm1& window, LongRun& run, const std::vector<Draw>& draws)
        : window_(window), run_(run), draws_(draws), history_(draws), userBoard_(window.tipBoard()->cells())
    {
        const QDate start = window.diagrammPage()->startDate();
        settings_.params = window.berechnungPage()->params(window.lottotippPage()->rowCount());
        settings_.history.start = DateSerial::fromDate(start);
        settings_.history.startInclusive = false;
        settings_.history.saturdays = window.datenbankPage()->saturdays();
        settings_.history.wednesdays = window.datenbankPage()->wednesdays();
        const TipBoard& board = *window.tipBoard();
        for (int r = 1; r <= TipBoard::RowCount; ++r) {
            const std::size_t i = std::size_t(r - 1);
            board_.locked[i] = board.isLocked(r);
            for (int k = 1; k <= TipBoard::CellCount; ++k) {
                tips_[i][std::size_t(k - 1)] = board.cellText(r, k);
                bool ok = false;
                const int n = tips_[i][std::size_t(k - 1)].toInt(&ok);
                if (board_.locked[i])
                    board_.rows[i][std::size_t(k - 1)] = ok && n >= 1 && n <= 49 ? n : 0;
            }
        }
        runLimit_ = std::int64_t(window.berechnungPage()->upDown(7)->position()) * 1000;
        const QDate end = window.datenbankPage()->endDate();
        endDay_ = end.isValid() ? DateSerial::fromDate(end) : DateSerial::today();
        firstDay_ = endDay_;
    }

    bool stopBefore(int pass, double day) override
    {
        run_.keepResponsive([&] {
            const double lastDate = draws_.back().datum;
            window_.setStatusPanel(0, passProgress(window_.text(TextLine::PassProgress), pass, day,
                                                   percentOf(day - firstDay_, lastDate - firstDay_)));
            showPass();
        });
        return run_.stopRequested();
    }

    void generate(int current) override
    {
        if (window_.backtestGenerator) {
            showCurrent(current);
            window_.backtestGenerator();
            tips_ = window_.tipBoard()->cells();
            return;
        }
        settings_.history.end = endDay_;
        const TipGenerationInput input{draws_, history_, settings_, board_, runLimit_,
                                       draws_[std::size_t(current)].zahl()};
        PassHost host(*this, input);
        const TipGenerationResult result = generateTips(input, Random::global(), host);
        for (std::size_t i = 0; i < tips_.size(); ++i) {
            if (board_.locked[i])
                continue;
            for (std::size_t k = 0; k < tips_[i].size(); ++k) {
                const int n = result.rows ? result.rows->rows[i][k] : 0;
                tips_[i][k] = n == 0 ? QString() : QString::number(n);
            }
        }
        tipsShown_ = false;
    }

    BoardRows tips() override { return tips_; }

    void currentChanged(int current) override
    {
        // The counting window of the next pass ends at the current draw, as
        // the end-date picker follows the shown draw.
        const QDate date = DateSerial::toDate(draws_[std::size_t(current)].datum);
        const QDateEdit* picker = window_.datenbankPage()->endDatePicker();
        if (date.isValid() && date >= picker->minimumDate() && date <= picker->maximumDate())
            endDay_ = draws_[std::size_t(current)].datum;
        current_ = current;
    }

private:
    // Watches one pass's generation for what the window shows of it.
    class PassHost final : public TipGenerationHost {
    public:
        PassHost(BacktestWindow& owner, const TipGenerationInput& input)
            : TipGenerationHost(input), owner_(owner)
        {
        }
        void statisticCounted(PoolStatistic, const StatResult& result) override
        {
            if (result.ok())
                owner_.lastChart_ = result.chart;
        }
        void processEvents() override
        {
            // A long pass still lets the window paint and take a stop click.
            if (owner_.window_.frameDue())
                QCoreApplication::processEvents();
        }

    private:
        BacktestWindow& owner_;
    };

    void showCurrent(int current)
    {
        window_.session().position = current;
        window_.showCurrentDraw(draws_[std::size_t(current)], current == 0);
    }

    // The passes take turns on the screen with the chart of their last
    // statistic and with their tips, one per frame.
    void showPass()
    {
        if (window_.backtestGenerator)
            return; // the stand-in shows what it does itself
        showCurrent(current_);
        if (showChartNext_ && !lastChart_.bars.isEmpty()) {
            window_.showStatistic(lastChart_);
            window_.PageControl1->setCurrentWidget(window_.diagrammPage());
        } else {
            if (!tipsShown_) {
                TipBoard::Cells cells;
                for (std::size_t i = 0; i < tips_.size(); ++i)
                    cells[i] = tips_[i];
                window_.tipBoard()->setCells(cells);
                tipsShown_ = true;
            }
            window_.PageControl1->setCurrentWidget(window_.lottotippPage());
        }
        showChartNext_ = !showChartNext_;
    }

    TForm1& window_;
    LongRun& run_;
    const std::vector<Draw>& draws_;
    const HistoryIndex history_;
    TipBoard::Cells userBoard_;
    GeneratorSettings settings_;
    BoardState board_;
    BoardRows tips_;
    std::int64_t runLimit_ = 0;
    double endDay_ = 0.0;
    double firstDay_ = 0.0;
    int current_ = 0;
    ChartData lastChart_;
    bool showChartNext_ = true;
    bool tipsShown_ = true;
};

} // namespace

void TForm1::BitBtn9Click()
{
    if (stoppedOrRefused(*this, Analysis::Backtest))
        return;
    const std::optional<std::vector<Draw>> draws = readDrawsOrSay(*this);
    if (!draws)
        return;
    if (draws->empty()) {
        dialogs().showMessage(this, text(TextLine::DatabaseEmpty));
        return;
    }

    // The generator must not stop at its weighting dialog in every pass.
    const EditPoolOff editPoolOff(
        berechnungPage()->findChild<QCheckBox*>(QStringLiteral("CheckBox20")));
    BacktestSetup setup;
    setup.firstDay = DateSerial::fromDate(datenbankPage()->endDate());
    rateDrawOfDay(*draws, setup.firstDay);

    const std::optional<int> lucky = askWholeNumber(
        dialogs(), this, text(TextLine::LuckyNumber) + QStringLiteral(" (1-99999999)?"), text(TextLine::LuckyNumberPrompt),
        QString::number(Random::global().below(99999)), [this](const QString&) { return text(TextLine::BadLuckyNumber); });
    if (!lucky)
        return;
    const qint32 seed = *lucky;
    Random::global().setSeed(quint32(seed));
    setStatusPanel(1, [this, seed] { return text(TextLine::LuckyNumberPrompt) + QLatin1Char(' ') + QString::number(seed); });

    setup.seed = quint32(seed);
    setup.advance = Backtest::advanceDays(datenbankPage()->saturdays(), datenbankPage()->wednesdays());
    setup.onlyAfterThree = datenbankPage()->recalcOnlyAfterThree();
    setup.ticketSuper = ticketSuperNumber();
    // The passes write their tips into the board; the user's own come back after.
    const TipBoard::Cells userBoard = tipBoard()->cells();
    BacktestOutcome outcome;
    {
        LongRun run(*this, Activity::Analysing);
        runningAnalysis = Analysis::Backtest;
        // The passes keep switching between the chart and the tips, so the
        // stop the user can reach is the generator's button: it reads
        // "Stoppen" for the whole backtest.
        const QString generateCaption = lottotippPage()->generateCaption();
        lottotippPage()->setGenerateCaption(text(TextLine::Stop));
        BacktestWindow host(*this, run, *draws);
        outcome = runBacktest(*draws, setup, Random::global(), host);
        lottotippPage()->setGenerateCaption(generateCaption);
        runningAnalysis = Analysis::None;
    }
    // The draw the last pass rated is current, as the passes left it.
    session_.workingDate = outcome.lastDay;
    session_.position = outcome.current;
    showCurrentDraw((*draws)[std::size_t(outcome.current)], outcome.current == 0);
    session_.lastRating.gewinn = quint8(std::min(outcome.threeOrMore, 255));
    tipBoard()->setCells(userBoard);
    Komplettcheck();
    const BacktestCounts& counts = outcome.counts;
    const bool stopped = outcome.stopped;
    if (stopped)
        setStatusPanel(0, [this, passes = counts.passes] { return text(TextLine::AnalysisStopped).arg(passes); });
    else
        setStatusPanel(0, QString());

    const QStringList lines = Backtest::report(counts, {text(TextLine::SettingsBrought), text(TextLine::Draws), text(TextLine::AnalysisStopped)}, stopped);
    saveTextReport(QStringLiteral("Test.txt"), lines);
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
            window_.text(TextLine::SearchFoundOn) + shortDate(earlierDraw.datum) + QStringLiteral("  ") + window_.text(TextLine::SearchGoOn);
        return window_.dialogs().askYesNo(&window_, window_.text(TextLine::SearchFoundCaption), message);
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
            0, passProgress(window_.text(TextLine::PassProgress), passesDone_ + 1, datum,
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
        dialogs().showMessage(this, text(TextLine::DatabaseEmpty));
        return;
    }
    // A wrong threshold ends the analysis before anything has changed.
    const std::optional<int> asked = askWholeNumber(
        dialogs(), this, text(TextLine::SearchThreshold), text(TextLine::CompareDraw), QStringLiteral("6"),
        [this](const QString& answer) { return text(TextLine::NotAWholeNumber).arg(answer); });
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
        comparisonReport(result.counts, {text(TextLine::HitsInDatabase), text(TextLine::SimilarNext), text(TextLine::SimilarSecondNext), text(TextLine::SimilarThirdNext)});
    if (result.end == ComparisonResult::End::Stopped)
        lines << text(TextLine::AnalysisStopped).arg(result.passes);
    lottotippPage()->richEdit()->setPlainText(lines.join(QLatin1Char('\n')));
    const QString path = Home + QStringLiteral("Test.rtf");
    const QString error = ReportFile::save(path, RtfWriter::document(lines));
    if (!error.isEmpty()) {
        dialogs().showError(this, error);
        return;
    }
    showReport(path, lines.join(QLatin1Char('\n')));
}
