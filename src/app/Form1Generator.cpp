#include "app/TForm1.h"


#include "app/dialogs/TForm6.h"
#include "app/pages/BerechnungPage.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "generator/HistoryIndex.h"
#include "generator/PoolBuilder.h"
#include "generator/Random.h"
#include "generator/RowFilters.h"
#include "generator/RowGenerator.h"
#include "generator/TipGeneration.h"
#include "stats/DrawSource.h"
#include "platform/BusyCursor.h"
#include "platform/Chart1.h"
#include "platform/Dialogs.h"
#include "platform/UpDown.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QTabWidget>

#include <optional>

namespace {

// Text-table lines of the generator.

QString badWeightMessage(int number, const QString& weight)
{
    return UiText::line(TextLine::BadWeight).arg(QString::number(number), weight);
}

// The progress text is written at most this often; writing and repainting
// it for every one of tens of thousands of candidates would cost more than
// the filters.
constexpr qint64 kProgressIntervalMs = 40;

GeneratorSettings readSettings(const TForm1& form)
{
    GeneratorSettings settings;
    settings.params = form.berechnungPage()->params(form.lottotippPage()->rowCount());
    settings.history.start = DateSerial::fromDate(form.diagrammPage()->startDate());
    const QDate end = form.datenbankPage()->endDate();
    settings.history.end = end.isValid() ? DateSerial::fromDate(end) : DateSerial::today();
    settings.history.startInclusive = false;
    settings.history.saturdays = form.datenbankPage()->saturdays();
    settings.history.wednesdays = form.datenbankPage()->wednesdays();
    return settings;
}

// What one run asks of the window: the statistics shown on the "Diagramm"
// tab as they are counted, the status texts, the stop request, the settings
// as the controls hold them now, and the rows written into the board.
class WindowHost final : public TipGenerationHost {
public:
    WindowHost(TForm1& form, const TipGenerationInput& input, const bool* stop)
        : TipGenerationHost(input), form_(form), stop_(stop)
    {
        // The settings are read again only after some control they come from
        // has changed, not for every candidate.
        const auto stale = [this] { stale_ = true; };
        for (QCheckBox* box : form.berechnungPage()->findChildren<QCheckBox*>())
            QObject::connect(box, &QCheckBox::toggled, &watch_, stale);
        for (UpDown* upDown : form.berechnungPage()->findChildren<UpDown*>())
            QObject::connect(upDown, &QSpinBox::valueChanged, &watch_, stale);
        if (auto* rows = form.lottotippPage()->findChild<UpDown*>(QStringLiteral("UpDown8")))
            QObject::connect(rows, &QSpinBox::valueChanged, &watch_, stale);
        for (QCheckBox* box : form.datenbankPage()->findChildren<QCheckBox*>())
            QObject::connect(box, &QCheckBox::toggled, &watch_, stale);
        QObject::connect(form.datenbankPage()->endDatePicker(), &QDateEdit::dateChanged, &watch_, stale);
        QObject::connect(form.diagrammPage()->startDatePicker(), &QDateEdit::dateChanged, &watch_, stale);
        tipWord_ = form.text(TextLine::Tip);
    }

    std::function<bool(NumberPool&)> poolReady;

    // ---- pool ----
    StatsTexts statsTexts() const override
    {
        return StatsTexts::fromLines([this](int line) { return form_.text(line); });
    }
    void statisticCounted(PoolStatistic, const StatResult& result) override
    {
        if (!result.ok()) {
            // A failed statistic leaves no bars behind.
            form_.chart()->clear(Chart1::Series2);
            form_.dialogs().showError(&form_, result.error);
            return;
        }
        // The user sees each statistic pass by.
        form_.PageControl1->setCurrentWidget(form_.diagrammPage());
        form_.showStatistic(result.chart);
        form_.chart()->refresh();
        form_.diagrammPage()->repaint();
    }
    bool acceptPool(NumberPool& pool) override { return !poolReady || poolReady(pool); }
    void status(const QString& text) override { form_.setStatusPanel(1, text); }
    QString line(int number) const override { return form_.text(number); }

    // ---- rows ----
    bool stopRequested() override { return stop_ && *stop_; }
    void processEvents() override
    {
        // A stop click on its own takes effect at the next candidate.
        QCoreApplication::processEvents();
    }
    const GeneratorSettings& settings() override
    {
        if (stale_) {
            settings_ = readSettings(form_);
            stale_ = false;
        }
        return settings_;
    }
    std::int64_t runLimit() override { return form_.session().runLimit; }
    void pairRequirementSwitchedOff() override
    {
        form_.berechnungPage()->checkBox(8)->setChecked(false);
    }
    void candidateDrawn(int row, const Row& sorted, int crossSum) override
    {
        if (progressShown_.isValid() && progressShown_.elapsed() < kProgressIntervalMs)
            return;
        progressShown_.start();
        form_.setStatusPanel(1, progressText(row, sorted, crossSum, tipWord_));
    }
    void rowFinished(int row, const Row& numbers, bool locked) override
    {
        form_.PageControl1->setCurrentWidget(form_.lottotippPage());
        // A locked row stays exactly as the user left it, even a cell that
        // holds no number.
        if (!locked) {
            TipBoard* board = form_.tipBoard();
            for (int k = 1; k <= TipBoard::CellCount; ++k) {
                const int n = numbers[std::size_t(k - 1)];
                board->setCellText(row, k, n == 0 ? QString() : QString::number(n));
            }
            board->setCrossSum(row, QString::number(crossSum(numbers)));
        }
        form_.update();
    }

private:
    TForm1& form_;
    const bool* stop_; // none inside a backtest pass: the backtest stops between passes
    QObject watch_;
    bool stale_ = true;
    GeneratorSettings settings_;
    QString tipWord_;
    QElapsedTimer progressShown_;
};

// One run of the generator, from the click to the rated board.
class GenerationRun {
public:
    GenerationRun(TForm1& form, const bool* stop) : form_(form), stop_(stop) {}

    void run();

private:
    void remember();
    bool weighting(NumberPool& pool);
    BoardState lockedRows() const;
    void endWithoutRows();
    void finish(const RowRunResult& result);
    // The board is the user's: a run that made no row puts it back as it was.
    // A backtest pass is rated on what it made, so it keeps the empty rows.
    void putBackUserBoard();
    void tell(int line);

    TForm1& form_;
    const bool* stop_;
    TipBoard::Cells userBoard_;
    std::optional<BusyCursor> busy_;
    QString caption_;
    bool forcePair_ = false;
    int lastLimit_ = 0;
    int secondLastLimit_ = 0;
    int databaseHits_ = 0;
};

void GenerationRun::remember()
{
    BerechnungPage* page = form_.berechnungPage();
    caption_ = form_.lottotippPage()->generateCaption();
    forcePair_ = page->checkBox(8)->isChecked();
    lastLimit_ = page->upDown(4)->position();
    secondLastLimit_ = page->upDown(5)->position();
    databaseHits_ = page->upDown(6)->position();
}

bool GenerationRun::weighting(NumberPool& pool)
{
    TForm6* dialog = form_.form6();
    form_.PageControl1->setCurrentWidget(form_.lottotippPage());
    const std::vector<int> entries(pool.entries().begin(), pool.entries().end());
    dialog->presetPool(entries);
    busy_.reset();
    const int result = form_.dialogs().execDialog(*dialog);
    busy_.emplace();
    if (result == QDialog::Accepted)
        return true; // the pool as it was; changes in the dialog are not used
    if (result != TForm6::Retry)
        return false;

    std::vector<bool> checked(49, false);
    std::vector<int> weights(49, 0);
    for (int n = 1; n <= 49; ++n) {
        const std::size_t i = std::size_t(n - 1);
        checked[i] = dialog->isChecked(n);
        if (!checked[i])
            continue;
        // An empty weight is the dialog's 0; any other text must be a whole number.
        const QString text = dialog->weight(n).trimmed();
        bool ok = true;
        weights[i] = text.isEmpty() ? 0 : text.toInt(&ok);
        if (!ok) {
            busy_.reset();
            form_.dialogs().showMessage(&form_, badWeightMessage(n, dialog->weight(n)));
            return false;
        }
    }
    pool = poolFromWeights(checked, weights);
    return true;
}

BoardState GenerationRun::lockedRows() const
{
    BoardState board;
    const TipBoard* tips = form_.tipBoard();
    for (int r = 1; r <= TipBoard::RowCount; ++r) {
        const std::size_t i = std::size_t(r - 1);
        board.locked[i] = tips->isLocked(r);
        if (!board.locked[i])
            continue;
        for (int k = 1; k <= TipBoard::CellCount; ++k) {
            bool ok = false;
            const int n = tips->cellText(r, k).toInt(&ok);
            board.rows[i][std::size_t(k - 1)] = ok && n >= 1 && n <= 49 ? n : 0;
        }
    }
    return board;
}

void GenerationRun::run()
{
    remember();
    form_.lottotippPage()->setGenerateCaption(form_.text(TextLine::Stop));
    form_.session().ratingOn = false;
    form_.session().runLimit = form_.berechnungPage()->upDown(7)->position() * 1000;
    busy_.emplace();

    // The run reads the database once: the reference draws, the statistics
    // and the history filters all work on these draws.
    const DrawFile file(form_.databasePath());
    if (!file.exists())
        form_.SpeedButton5Click(); // tells the user and creates the file
    QString error;
    const std::optional<std::vector<Draw>> stored = file.readAll(&error);
    if (!stored) {
        busy_.reset();
        form_.dialogs().showMessage(&form_, error);
        endWithoutRows();
        return;
    }
    const HistoryIndex history(*stored);
    userBoard_ = form_.tipBoard()->cells();
    form_.SpeedButton11Click(); // the unlocked rows, without the question

    const TipGenerationInput input{*stored, history, readSettings(form_), lockedRows(), form_.session().runLimit,
                                   form_.session().numbers};
    WindowHost host(form_, input, stop_);
    host.poolReady = [this, &host](NumberPool& pool) {
        if (host.settings().params.editPool && !weighting(pool))
            return false;
        // The system tab may take its numbers from the pool of the user's
        // own run, not from a backtest's pass.
        if (form_.activity() != TForm1::Activity::Analysing)
            form_.rememberPool(pool);
        form_.setStatusPanel(1, form_.text(TextLine::GenerationStart));
        form_.PageControl1->setCurrentWidget(form_.lottotippPage());
        return true;
    };
    const TipGenerationResult result = generateTips(input, Random::global(), host);
    if (!result.rows) {
        form_.SpeedButton5Click(); // the chosen draw is current again
        endWithoutRows();
        return;
    }
    finish(*result.rows);
}

void GenerationRun::putBackUserBoard()
{
    if (form_.activity() == TForm1::Activity::Analysing)
        return;
    form_.tipBoard()->setCells(userBoard_);
}

void GenerationRun::tell(int line)
{
    const QString text = form_.text(line);
    form_.setStatusPanel(1, text);
    // In a backtest the notice would cover the passes' progress.
    if (form_.activity() != TForm1::Activity::Analysing)
        form_.showNotice(text);
}

void GenerationRun::endWithoutRows()
{
    // Nothing of the run remains.
    form_.lottotippPage()->setGenerateCaption(caption_);
    form_.session().ratingOn = true;
    busy_.reset();
    putBackUserBoard();
    form_.Komplettcheck();
}

void GenerationRun::finish(const RowRunResult& result)
{
    form_.session().ratingOn = true;
    busy_.reset();
    if (result.rowsGenerated == 0)
        putBackUserBoard();
    // Fewer than six numbers: more runs would not help, other numbers would.
    if (result.poolTooSmall)
        tell(TextLine::PoolTooSmall);
    else if (result.exhausted)
        tell(result.rowsGenerated == 0 ? TextLine::NoRowPassed : TextLine::GenerationExhausted);
    else
        form_.setStatusPanel(1, [form = &form_] { return form->text(TextLine::GenerationDone); });
    BerechnungPage* page = form_.berechnungPage();
    page->checkBox(8)->setChecked(forcePair_);
    page->upDown(4)->setPosition(lastLimit_);
    page->upDown(5)->setPosition(secondLastLimit_);
    page->upDown(6)->setPosition(databaseHits_);
    form_.lottotippPage()->setGenerateCaption(caption_);
    form_.SpeedButton5Click();
    form_.Komplettcheck();
}

// The generator's button reads "Stoppen" while a generation or a backtest
// runs; a click on it then stops that run.
bool generatorButtonStops(const TForm1& form)
{
    return form.activity() == TForm1::Activity::Generating
           || (form.activity() == TForm1::Activity::Analysing
               && form.runningAnalysis == TForm1::Analysis::Backtest);
}

} // namespace

void TForm1::Berechnen1Click()
{
    Label28Click();
}

void TForm1::Label28Click()
{
    // A click while a run goes is the stop request; the run sees it at its
    // next candidate. During the backtest the button is the one stop the
    // user can reach (the passes keep switching tabs): it stops the whole
    // backtest after the current pass, which still finishes so the report
    // counts whole passes only.
    if (generatorButtonStops(*this)) {
        requestStop();
        return;
    }
    if (refuseWhileBusy())
        return;
    // The stop also shows at once: the button loses its "Stoppen".
    bool stop = false;
    beginActivity(Activity::Generating, [this, &stop] {
        stop = true;
        lottotippPage()->setGenerateCaption(QString());
    });
    clearNotice(); // what the last run ended with is old news
    GenerationRun(*this, &stop).run();
    endActivity();
}

void TForm1::generateTips()
{
    GenerationRun(*this, nullptr).run();
}
