#include "app/dialogs/TForm6.h"
#include "app/pages/BerechnungPage.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/SystemPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "generator/Random.h"
#include "platform/Chart1.h"
#include "platform/UpDown.h"

#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <random>
#include <set>

namespace {

using Numbers = std::vector<int>;
using DialogAnswer = std::function<int(QDialog&)>;

const QString kDone = QStringLiteral("Tipps wurden neu berechnet");
const QString kExhausted = QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen");
const QString kNoRowPassed = QStringLiteral(
    "Berechnungsläufe aufgebraucht, keine Reihe bestand die Filter. Die Tipps bleiben unverändert.");
const QString kPoolTooSmall = QStringLiteral(
    "Weniger als sechs Zahlen im Zahlenpool: wählen Sie mehr Zahlen. Die Tipps bleiben unverändert.");
const QString kIdleCaption = QStringLiteral("Tipps &berechnen");

const QDate kFirstDraw(2016, 1, 2);
constexpr int kDrawCount = 700;

// Twice a week from 2016 on: six different numbers, a bonus and a super number.
std::vector<Draw> fixtureDraws()
{
    std::mt19937 random(7);
    std::vector<Draw> draws;
    QDate date = kFirstDraw;
    for (int i = 0; i < kDrawCount; ++i) {
        std::array<int, 49> all{};
        for (int n = 0; n < 49; ++n)
            all[std::size_t(n)] = n + 1;
        std::shuffle(all.begin(), all.end(), random);
        draws.push_back(makeDraw(date, {all[0], all[1], all[2], all[3], all[4], all[5]}, all[6],
                                 int(random() % 10)));
        date = date.addDays(date.dayOfWeek() == 3 ? 3 : 4);
    }
    return draws;
}

int sharedNumbers(const Numbers& row, const Numbers& other)
{
    int shared = 0;
    for (int n : row)
        shared += std::count(other.begin(), other.end(), n) > 0 ? 1 : 0;
    return shared;
}

// Hits with the bonus rule, counted directly from the record.
int hitsOn(const Numbers& row, const Draw& draw)
{
    int hits = 0;
    for (int n : row) {
        for (int i = 0; i < 6; ++i)
            hits += draw.number(i) == n ? 1 : 0;
        hits += draw.bonus() == n ? 1 : 0;
    }
    return hits;
}

} // namespace

class GeneratorWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void defaultRunFillsTwelveRatedRows();
    void menuItemRunsTheSame();
    void stopKeepsFinishedRowsAndEmptiesTheRest();
    void runLimitSwitchesPairOffAndRestoresControls();
    void lockedRowsAndRowCount();
    void allTwelveLocked();
    void withoutDatabaseRowsAreStillMade();
    void poolWithoutSixNumbersEndsAtOnce();
    void endingNoticeStaysUntilTheNextAction();
    void duringARunRefusalsStayReadableAndLocksHold();
    void weightingDialogEndings_data();
    void weightingDialogEndings();
    void busyRunRefusesBoardChangesButNotCharts();
    void closingDuringARunStopsItFirst();

private:
    void click() { control<QPushButton>(QStringLiteral("BitBtn4"))->click(); }
    QCheckBox* check(int number) const { return window_->berechnungPage()->checkBox(number); }
    UpDown* upDown(int number) const { return window_->berechnungPage()->upDown(number); }
    Numbers row(int r) const;
    void lockRow(int r, const QStringList& cells);
    // Runs `action` at the first chance the running generator gives to the
    // interface, i.e. at its first candidate.
    void duringRun(std::function<void()> action)
    {
        QTimer::singleShot(0, window_.get(), std::move(action));
    }
    // The rules of the default parameters, checked straight from the records.
    QStringList defaultRuleViolations(const std::vector<Numbers>& rows) const;

    std::vector<Draw> draws_;
};

void GeneratorWindowTest::init()
{
    QVERIFY(setUp());
    draws_ = fixtureDraws();
    QVERIFY(writeDraws(draws_));
    window_ = makeWindow();
    window_->session().ratingOn = true;
    window_->datenbankPage()->setEndDate(DateSerial::toDate(draws_.back().datum));
    window_->diagrammPage()->setStartDate(QDate(2015, 12, 1));
    Random::global().setSeed(12345);
}

void GeneratorWindowTest::cleanup()
{
    tearDown();
}

Numbers GeneratorWindowTest::row(int r) const
{
    Numbers numbers;
    for (int k = 1; k <= TipBoard::CellCount; ++k) {
        bool ok = false;
        const int n = window_->tipBoard()->cellText(r, k).toInt(&ok);
        if (ok)
            numbers.push_back(n);
    }
    return numbers;
}

void GeneratorWindowTest::lockRow(int r, const QStringList& cells)
{
    for (int k = 1; k <= TipBoard::CellCount; ++k)
        window_->tipBoard()->setCellText(r, k, cells.value(k - 1));
    window_->tipBoard()->toggleLock(r);
    QVERIFY(window_->tipBoard()->isLocked(r));
}

QStringList GeneratorWindowTest::defaultRuleViolations(const std::vector<Numbers>& rows) const
{
    QStringList found;
    const Draw& last = draws_[draws_.size() - 1];
    const Draw& secondLast = draws_[draws_.size() - 2];
    const Draw& thirdLast = draws_[draws_.size() - 3];
    const double end = last.datum;
    const double start = DateSerial::fromDate(QDate(2015, 12, 1));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Numbers& r = rows[i];
        const QString name = QStringLiteral("row %1: ").arg(i + 1);
        int sum = 0;
        for (int n : r)
            sum += n;
        if (sum < 50 || sum > 250)
            found << name + QStringLiteral("cross sum %1").arg(sum);
        for (std::size_t k = 2; k < r.size(); ++k)
            if (r[k - 2] + 2 == r[k] && r[k - 1] + 1 == r[k])
                found << name + QStringLiteral("three in a run");
        if (i > 0) {
            int lowest = 6;
            for (std::size_t j = 0; j < i; ++j)
                lowest = std::min(lowest, sharedNumbers(r, rows[j]));
            if (lowest > 2)
                found << name + QStringLiteral("shares more than 2 with every earlier row");
        }
        if (hitsOn(r, last) > 0)
            found << name + QStringLiteral("holds a number of the last draw");
        if (hitsOn(r, secondLast) > 1)
            found << name + QStringLiteral("more than 1 of the second-last draw");
        if (hitsOn(r, thirdLast) > 2)
            found << name + QStringLiteral("more than 2 of the third-last draw");
        for (const Draw& draw : draws_) {
            const int hits = hitsOn(r, draw);
            if (draw.datum > end - 35 && draw.datum <= end && hits >= 3)
                found << name + QStringLiteral("3 hits in the last 10 draws");
            if (draw.datum > end - 350 && draw.datum <= end && hits >= 4)
                found << name + QStringLiteral("4 hits in the last 100 draws");
            if (draw.datum > start && draw.datum <= end && hits >= 5)
                found << name + QStringLiteral("5 hits in the database");
        }
    }
    return found;
}

void GeneratorWindowTest::defaultRunFillsTwelveRatedRows()
{
    click();

    std::vector<Numbers> rows;
    for (int r = 1; r <= 12; ++r) {
        const Numbers numbers = row(r);
        QCOMPARE(numbers.size(), std::size_t(6));
        QVERIFY(std::is_sorted(numbers.begin(), numbers.end()));
        QCOMPARE(std::set<int>(numbers.begin(), numbers.end()).size(), std::size_t(6));
        // Rated: the cross-sum and hits labels are filled.
        int sum = 0;
        for (int n : numbers)
            sum += n;
        QCOMPARE(window_->tipBoard()->crossSumText(r), QString::number(sum));
        QVERIFY(!window_->tipBoard()->hitsText(r).isEmpty());
        rows.push_back(numbers);
    }
    const QStringList violations = defaultRuleViolations(rows);
    QVERIFY2(violations.isEmpty(), qPrintable(violations.join(QLatin1Char('\n'))));

    QCOMPARE(window_->statusPanel(1), kDone);
    QCOMPARE(window_->lottotippPage()->generateCaption(), kIdleCaption);
    QVERIFY(window_->session().ratingOn);
    QCOMPARE(window_->activity(), TForm1::Activity::Idle);
    QVERIFY(!window_->isBusy());
    QCOMPARE(window_->session().runLimit, 50000);
    // The last draw is current again, and the last statistic (overdue) charted.
    QCOMPARE(window_->session().drawDate, draws_.back().datum);
    QCOMPARE(window_->chart()->bars(Chart1::Series2).size(), 49);
    QVERIFY(dialogs_.messages.isEmpty());
}

void GeneratorWindowTest::menuItemRunsTheSame()
{
    click();
    std::vector<Numbers> first;
    for (int r = 1; r <= 12; ++r)
        first.push_back(row(r));

    // Same seed, same parameters and database: the same board, through the menu.
    Random::global().setSeed(12345);
    window_->Berechnen1->trigger();
    for (int r = 1; r <= 12; ++r)
        QCOMPARE(row(r), first[std::size_t(r - 1)]);
}

void GeneratorWindowTest::stopKeepsFinishedRowsAndEmptiesTheRest()
{
    lockRow(10, {"1", "2", "3", "4", "5", "6"});
    // The stop click comes while row 4 is being made.
    QLineEdit* row3 = control<QLineEdit>(TipBoard::cellName(3, 1));
    bool clicked = false;
    connect(row3, &QLineEdit::textChanged, this, [&](const QString& text) {
        if (text.isEmpty() || clicked)
            return;
        clicked = true;
        duringRun([this] {
            QCOMPARE(window_->lottotippPage()->generateCaption(), QStringLiteral("Stoppen"));
            click();
            QCOMPARE(window_->lottotippPage()->generateCaption(), QString());
        });
    });
    click();

    QVERIFY(clicked);
    for (int r = 1; r <= 3; ++r)
        QCOMPARE(row(r).size(), std::size_t(6));
    // The click is seen before the next candidate: row 4 may still finish
    // with the candidate during which it arrived, nothing after it.
    QVERIFY(row(4).empty() || row(4).size() == 6);
    for (int r : {5, 6, 7, 8, 9, 11, 12})
        QVERIFY2(row(r).empty(), qPrintable(QString::number(r)));
    QCOMPARE(row(10), (Numbers{1, 2, 3, 4, 5, 6}));
    QCOMPARE(window_->statusPanel(1), kDone);
    QCOMPARE(window_->lottotippPage()->generateCaption(), kIdleCaption);
    QVERIFY(!window_->isBusy());
}

void GeneratorWindowTest::runLimitSwitchesPairOffAndRestoresControls()
{
    upDown(7)->setPosition(1);      // 1000 candidates
    check(8)->setChecked(true);
    upDown(1)->setPosition(260);    // no row can reach this cross sum and stay at most 250
    upDown(2)->setPosition(250);
    QSignalSpy pair(check(8), &QCheckBox::toggled);
    window_->tipBoard()->setCellText(4, 1, QStringLiteral("17"));
    // A user change during the run is put back too.
    duringRun([this] { upDown(4)->setPosition(3); });
    click();

    QCOMPARE(pair.size(), 2);
    QCOMPARE(pair.at(0).at(0).toBool(), false);
    QCOMPARE(pair.at(1).at(0).toBool(), true);
    QVERIFY(check(8)->isChecked());
    QCOMPARE(upDown(4)->position(), 0);
    QCOMPARE(window_->session().runLimit, 1000);
    // No row was made: the board is as the user left it.
    QCOMPARE(window_->notice(), kNoRowPassed);
    QCOMPARE(window_->statusPanel(1), kNoRowPassed);
    for (int r = 1; r <= 12; ++r)
        QCOMPARE(row(r), r == 4 ? Numbers{17} : Numbers{});
}

void GeneratorWindowTest::lockedRowsAndRowCount()
{
    lockRow(1, {"7", "14", "21", "28", "35", "42"});
    lockRow(2, {"3", "", "9", "", "30", "31"}); // not six numbers: kept as it stands
    window_->lottotippPage()->setRowCount(3);
    click();

    QCOMPARE(row(1), (Numbers{7, 14, 21, 28, 35, 42}));
    QCOMPARE(window_->tipBoard()->cellText(2, 2), QString());
    QCOMPARE(window_->tipBoard()->cellText(2, 3), QStringLiteral("9"));
    QCOMPARE(row(3).size(), std::size_t(6));
    for (int r = 4; r <= 12; ++r)
        QVERIFY(row(r).empty());
    QCOMPARE(window_->statusPanel(1), kDone);
}

void GeneratorWindowTest::allTwelveLocked()
{
    for (int r = 1; r <= 12; ++r)
        lockRow(r, {QString::number(r), "20", "22", "24", "26", "28"});
    click();
    for (int r = 1; r <= 12; ++r) {
        Numbers expected{r, 20, 22, 24, 26, 28};
        std::sort(expected.begin(), expected.end());
        QCOMPARE(row(r), expected);
        QVERIFY(!window_->tipBoard()->hitsText(r).isEmpty());
    }
    QCOMPARE(window_->statusPanel(1), kDone);
}

void GeneratorWindowTest::withoutDatabaseRowsAreStillMade()
{
    // First start, no draws yet: the user is told once, the file is created,
    // and rows are made from the pool without history.
    QVERIFY(QFile::remove(databasePath()));
    click();
    QCOMPARE(dialogs_.messages, QStringList{QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein")});
    QVERIFY(QFile::exists(databasePath()));
    for (int r = 1; r <= 12; ++r)
        QCOMPARE(row(r).size(), std::size_t(6));
    QCOMPARE(window_->statusPanel(1), kDone);
}

void GeneratorWindowTest::poolWithoutSixNumbersEndsAtOnce()
{
    // Only preferred numbers, and nothing preferred: an empty pool.
    check(15)->setChecked(true);
    check(14)->setChecked(false);
    check(10)->setChecked(false);
    lockRow(5, {"1", "2", "3", "4", "5", "6"});
    for (int k = 1; k <= TipBoard::CellCount; ++k)
        window_->tipBoard()->setCellText(2, k, QString::number(10 + 5 * k));
    window_->Komplettcheck();
    const QString crossSum = window_->tipBoard()->crossSumText(2);
    click();

    // Not the run limit's advice: more runs would not help.
    QCOMPARE(window_->notice(), kPoolTooSmall);
    QCOMPARE(window_->statusPanel(1), kPoolTooSmall);
    // The user's tips stay, rated as before.
    QCOMPARE(row(2), (Numbers{15, 20, 25, 30, 35, 40}));
    QCOMPARE(window_->tipBoard()->crossSumText(2), crossSum);
    for (int r = 1; r <= 12; ++r)
        QCOMPARE(row(r).empty(), r != 5 && r != 2);
    QVERIFY(!window_->isBusy());
}

void GeneratorWindowTest::endingNoticeStaysUntilTheNextAction()
{
    showWindow();
    check(15)->setChecked(true);
    check(14)->setChecked(false);
    check(10)->setChecked(false);
    click();
    QCOMPARE(window_->notice(), kPoolTooSmall);

    // Hints of the controls the pointer passes over do not replace it ...
    auto* search = control<QToolButton>(QStringLiteral("SpeedButton4"));
    QTest::mouseMove(search);
    QTRY_COMPARE(window_->statusPanel(1), search->toolTip());
    QCOMPARE(window_->notice(), kPoolTooSmall);
    // ... the user's next click does.
    QTest::mouseClick(control<QWidget>(QStringLiteral("Edit80")), Qt::LeftButton);
    QCOMPARE(window_->notice(), QString());
}

void GeneratorWindowTest::duringARunRefusalsStayReadableAndLocksHold()
{
    // A run that would go on for a long while: no row can pass.
    upDown(7)->setPosition(30000);
    upDown(1)->setPosition(260);
    upDown(2)->setPosition(250);
    bool checked = false;
    QString progressAtRefusal;
    duringRun([&] {
        // The board is disabled, its row labels too.
        QTest::mouseClick(control<QLabel>(TipBoard::rowLabelName(3)), Qt::LeftButton);
        QVERIFY(!window_->tipBoard()->isLocked(3));
        // Refused while the run goes; the progress keeps coming underneath.
        control<QToolButton>(QStringLiteral("SpeedButton4"))->click();
        QCOMPARE(window_->notice(), window_->text(58));
        progressAtRefusal = window_->statusPanel(1);
        QTimer::singleShot(300, window_.get(), [&] {
            checked = true;
            QVERIFY(window_->statusPanel(1) != progressAtRefusal);
            QCOMPARE(window_->notice(), window_->text(58));
            click(); // stop
        });
    });
    click();

    QVERIFY(checked);
    QVERIFY(!window_->isBusy());
    QVERIFY(!window_->tipBoard()->isLocked(3));
}

void GeneratorWindowTest::weightingDialogEndings_data()
{
    QTest::addColumn<DialogAnswer>("answer");
    QTest::addColumn<bool>("rowsMade");
    QTest::addColumn<QString>("message");
    QTest::addColumn<Numbers>("onlyFrom"); // when not empty: row 1 uses only these

    // The dialog shows the pool, from which the last draw's numbers are gone.
    const int lastDrawNumber = fixtureDraws().back().number(0);
    QTest::newRow("OK keeps the pool")
        << DialogAnswer([lastDrawNumber](QDialog& d) {
               auto& form = static_cast<TForm6&>(d);
               const bool shown = !form.isChecked(lastDrawNumber);
               return shown ? int(QDialog::Accepted) : int(QDialog::Rejected);
           })
        << true << QString() << Numbers{};
    QTest::newRow("Rechnen rebuilds from the boxes")
        << DialogAnswer([](QDialog& d) {
               auto& form = static_cast<TForm6&>(d);
               for (int n = 1; n <= 49; ++n)
                   form.setChecked(n, false);
               for (int n : {3, 10, 19, 26, 33, 41, 47}) {
                   form.setChecked(n, true);
                   form.setChecked(n, true);
               }
               return TForm6::Retry;
           })
        << true << QString() << Numbers{3, 10, 19, 26, 33, 41, 47};
    QTest::newRow("Abort ends the run")
        << DialogAnswer([](QDialog&) { return int(QDialog::Rejected); }) << false << QString()
        << Numbers{};
    QTest::newRow("a weight that is no whole number")
        << DialogAnswer([](QDialog& d) {
               auto& form = static_cast<TForm6&>(d);
               form.setChecked(12, true);
               form.setChecked(12, true);
               form.setWeight(12, QStringLiteral("drei"));
               return TForm6::Retry;
           })
        << false
        << QStringLiteral("Die Gewichtung der Zahl 12 ist keine ganze Zahl: \"drei\". "
                          "Die Tippberechnung wird abgebrochen.")
        << Numbers{};
}

void GeneratorWindowTest::weightingDialogEndings()
{
    QFETCH(DialogAnswer, answer);
    QFETCH(bool, rowsMade);
    QFETCH(QString, message);
    QFETCH(Numbers, onlyFrom);

    check(20)->setChecked(true);
    if (!onlyFrom.empty()) {
        // Seven numbers make one row; the history checks could refuse it.
        window_->lottotippPage()->setRowCount(1);
        for (int box : {9, 28, 34})
            check(box)->setChecked(false);
        upDown(1)->setPosition(21);
        upDown(2)->setPosition(279);
    }
    lockRow(7, {"11", "12", "13", "14", "15", "16"});
    window_->tipBoard()->setCellText(2, 1, QStringLiteral("44")); // cleared by the run
    dialogs_.dialogAnswers.enqueue(answer);
    click();

    QVERIFY(dialogs_.dialogAnswers.isEmpty());
    QCOMPARE(row(1).size(), rowsMade ? std::size_t(6) : std::size_t(0));
    // A run that ends before making rows leaves the user's tips as they were.
    QCOMPARE(row(2) == Numbers{44}, !rowsMade);
    QCOMPARE(row(7), (Numbers{11, 12, 13, 14, 15, 16}));
    for (int n : row(1))
        QVERIFY(onlyFrom.empty() || std::count(onlyFrom.begin(), onlyFrom.end(), n) == 1);
    QCOMPARE(dialogs_.messages, message.isEmpty() ? QStringList() : QStringList{message});
    if (!onlyFrom.empty()) {
        // The system tab takes its numbers from the pool the run drew from.
        control<QPushButton>(QStringLiteral("SystemPoolButton"))->click();
        QCOMPARE(window_->systemPage()->chosen(), onlyFrom);
    }
    QCOMPARE(window_->lottotippPage()->generateCaption(), kIdleCaption);
    QVERIFY(window_->session().ratingOn);
    QVERIFY(!window_->isBusy());
}

void GeneratorWindowTest::busyRunRefusesBoardChangesButNotCharts()
{
    bool checked = false;
    duringRun([this, &checked] {
        checked = true;
        QVERIFY(window_->isBusy());
        QCOMPARE(window_->activity(), TForm1::Activity::Generating);
        QVERIFY(!control<QToolButton>(QStringLiteral("SpeedButton11"))->isEnabled());
        QVERIFY(!control<QToolButton>(QStringLiteral("SpeedButton16"))->isEnabled());
        QVERIFY(!control<QWidget>(QStringLiteral("BitBtn8"))->isEnabled());
        QVERIFY(!window_->tipBoard()->isEnabled());
        QVERIFY(!window_->Aktualisieren1->isEnabled());
        QVERIFY(control<QPushButton>(QStringLiteral("BitBtn4"))->isEnabled());
        QVERIFY(window_->Berechnen1->isEnabled());
        // Viewing a chart is fine while the run goes.
        window_->Button2Click();
        QCOMPARE(window_->chart()->bars(Chart1::Series2).size(), 48);
    });
    click();
    QVERIFY(checked);
    QVERIFY(control<QToolButton>(QStringLiteral("SpeedButton11"))->isEnabled());
    QVERIFY(window_->tipBoard()->isEnabled());
    QCOMPARE(window_->statusPanel(1), kDone);
}

void GeneratorWindowTest::closingDuringARunStopsItFirst()
{
    showWindow(); // closing a shown window runs the save sequence
    QVERIFY(window_->isVisible());
    QVERIFY(!QFile::exists(settingsPath_));
    bool refused = false;
    duringRun([this, &refused] {
        window_->close();
        // The window waits for the run; the run sees the stop at its next candidate.
        refused = window_->isBusy();
        QCOMPARE(window_->lottotippPage()->generateCaption(), QString());
    });
    click();

    QVERIFY(refused);
    QVERIFY(!window_->isBusy());
    QCOMPARE(window_->statusPanel(1), kDone);
    QCOMPARE(window_->lottotippPage()->generateCaption(), kIdleCaption);
    // Row 1 may still finish with the candidate during which the close
    // arrived; everything after it stays empty.
    for (int r = 2; r <= 12; ++r)
        QVERIFY(row(r).empty());
    // The close that waited for the run follows once it has ended.
    QTRY_VERIFY(!window_->isVisible());
    QVERIFY(QFile::exists(settingsPath_));
}

QTEST_MAIN(GeneratorWindowTest)
#include "tst_generator_window.moc"
