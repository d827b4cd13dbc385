#include "app/pages/SystemPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "systems/CoverageCheck.h"
#include "systems/ShippedSystems.h"
#include "systems/SystemFile.h"
#include "systems/SystemSearch.h"
#include "text/TextLine.h"

#include "WindowFixture.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

class SystemWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void gridTakesSevenToThirteenNumbers();
    void fewerThanSevenIsRefused();
    void choiceShowsRowsAndGuarantee_data();
    void choiceShowsRowsAndGuarantee();
    void rowsOntoTheBoard_data();
    void rowsOntoTheBoard();
    void system010AgainstTheFirstSix();
    void guaranteeKeptWhileNumbersChange();
    void savedSystemFileReadsBack();
    void csvHoldsEveryRow();
    void backtestCountsTheRangesDraws();
    void buildOneForAnotherGuarantee_data();
    void buildOneForAnotherGuarantee();
    void shippedGuaranteeNeedsNoSearch();
    void stoppedBuildKeepsTheBestFound();
    void closingWhileBuildingWaitsForTheSearch();
    void numbersFromThePool();
    void loadedSystemFile();
    void systemWithoutGuaranteeLooksBack();
    void printShowsEveryRow();

private:
    SystemPage* page() const { return window_->systemPage(); }
    QString line(int index) const { return window_->text(index); }
    void choose(const std::vector<int>& numbers);
    void build(int hits, int ifDrawn);
    // The chosen system keeps its guarantee: the checker finds no hole.
    void verifyProven(const LottoSystem& system);
};

void SystemWindowTest::init()
{
    QVERIFY(setUp());
    window_ = makeWindow();
}

void SystemWindowTest::cleanup()
{
    tearDown();
}

void SystemWindowTest::choose(const std::vector<int>& numbers)
{
    for (int number : numbers)
        page()->numberButton(number)->click();
}

void SystemWindowTest::gridTakesSevenToThirteenNumbers()
{
    QCOMPARE(window_->PageControl1->tabText(window_->PageControl1->indexOf(page())), QStringLiteral("System"));
    choose({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    QCOMPARE(page()->countText(), QStringLiteral("13 Zahlen gewählt"));
    QVERIFY(platform_.dialogs.messages.isEmpty());

    // A fourteenth number is refused and stays unticked.
    page()->numberButton(49)->click();
    QCOMPARE(platform_.dialogs.messages, QStringList{line(TextLine::SystemTooMany)});
    QVERIFY(!page()->numberButton(49)->isChecked());
    QCOMPARE(page()->chosen().size(), std::size_t(13));

    // Another click takes a number back, and the place is free again.
    page()->numberButton(13)->click();
    page()->numberButton(49)->click();
    QCOMPARE(page()->chosen(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 49}));
    QCOMPARE(platform_.dialogs.messages.size(), 1);
}

void SystemWindowTest::fewerThanSevenIsRefused()
{
    choose({3, 9, 17, 25, 33, 41});
    QCOMPARE(page()->systemCombo()->count(), 0);
    const QString refusal = line(TextLine::SystemTooFew).arg(6);
    QCOMPARE(page()->info(), refusal);
    for (const char* button : {"SystemBoardButton", "SystemRateButton", "SystemSaveButton", "SystemCsvButton"}) {
        platform_.dialogs.messages.clear();
        control<QPushButton>(QLatin1String(button))->click();
        QCOMPARE(platform_.dialogs.messages, QStringList{refusal});
    }
    QVERIFY(platform_.dialogs.fileDialogs.isEmpty());
    QCOMPARE(window_->tipBoard()->cellText(1, 1), QString());
}

void SystemWindowTest::choiceShowsRowsAndGuarantee_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("ifDrawn");
    QTest::addColumn<int>("rows");

    QTest::newRow("Vollsystem 007") << 7 << 6 << 6 << 7;
    QTest::newRow("Vollsystem 010") << 10 << 6 << 6 << 210;
    QTest::newRow("Vollsystem 013") << 13 << 6 << 6 << 1716;
    QTest::newRow("3 if 4 on 10") << 10 << 3 << 4 << 0;
    QTest::newRow("4 if 5 on 12") << 12 << 4 << 5 << 0;
}

void SystemWindowTest::choiceShowsRowsAndGuarantee()
{
    QFETCH(int, k);
    QFETCH(int, hits);
    QFETCH(int, ifDrawn);
    QFETCH(int, rows);

    std::vector<int> numbers;
    for (int n = 1; n <= k; ++n)
        numbers.push_back(3 * n);
    choose(numbers);
    QComboBox* combo = page()->systemCombo();
    int reduced = 0;
    for (const ShippedSystem& entry : ShippedSystems::all())
        reduced += entry.k == k ? 1 : 0;
    QCOMPARE(combo->count(), 1 + reduced);
    QCOMPARE(combo->itemText(0), line(TextLine::SystemFull).arg(k, 3, 10, QLatin1Char('0')));

    QString proof;
    if (hits < 6) {
        const ShippedSystem* entry = ShippedSystems::find(k, {hits, ifDrawn});
        QVERIFY(entry);
        rows = int(entry->rows.size());
        const QString item = line(TextLine::SystemReduced).arg(hits).arg(ifDrawn).arg(rows);
        QVERIFY(combo->findText(item) > 0);
        combo->setCurrentIndex(combo->findText(item));
        proof = line(entry->provenMinimal ? TextLine::SystemMinimal : TextLine::SystemBestFound);
    }
    const QString info = page()->info();
    QVERIFY2(info.startsWith(QStringLiteral("%1 Reihen; %2 Richtige, wenn %3 der gezogenen Zahlen unter Ihren sind.")
                                 .arg(rows)
                                 .arg(hits)
                                 .arg(ifDrawn)),
             qPrintable(info));
    QVERIFY2(info.contains(proof), qPrintable(info));
    // The cost with the price of a row, for the ticket's draws.
    QVERIFY2(info.contains(QStringLiteral("%1 Reihen × 1,20 €").arg(rows)), qPrintable(info));
}

void SystemWindowTest::rowsOntoTheBoard_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("filled");
    QTest::addColumn<bool>("note");

    QTest::newRow("7 rows fit") << 7 << 7 << false;
    QTest::newRow("28 rows: the first 12 and a note") << 8 << 12 << true;
}

void SystemWindowTest::rowsOntoTheBoard()
{
    QFETCH(int, k);
    QFETCH(int, filled);
    QFETCH(bool, note);

    TipBoard* board = window_->tipBoard();
    for (int r = 1; r <= TipBoard::RowCount; ++r)
        for (int c = 1; c <= TipBoard::CellCount; ++c)
            board->setCellText(r, c, QString::number(40 + c));
    std::vector<int> numbers;
    for (int n = 1; n <= k; ++n)
        numbers.push_back(n + 10);
    choose(numbers);
    control<QPushButton>(QStringLiteral("SystemBoardButton"))->click();

    QCOMPARE(board->cellText(1, 1), QStringLiteral("11"));
    QCOMPARE(board->cellText(1, 6), QStringLiteral("16"));
    QCOMPARE(board->cellText(2, 6), QStringLiteral("17"));
    for (int r = 1; r <= TipBoard::RowCount; ++r)
        QCOMPARE(board->cellText(r, 1).isEmpty(), r > filled);
    const QStringList expected =
        note ? QStringList{line(TextLine::SystemMoreRows).arg(28)} : QStringList();
    QCOMPARE(platform_.dialogs.messages, expected);
}

void SystemWindowTest::system010AgainstTheFirstSix()
{
    // A Saturday after 2013: no bonus number, the super number 7.
    const QDate date(2020, 1, 4);
    QVERIFY(writeDraws({makeDraw(date, {1, 2, 3, 4, 5, 6}, 0, 7)}));
    window_ = makeWindow();
    window_->FormShow();
    control<QDateEdit>(QStringLiteral("DateTimePicker1"))->setDate(date);
    control<QToolButton>(QStringLiteral("SpeedButton5"))->click();
    window_->session().ticket.number = QStringLiteral("1234567");
    window_->session().ticket.firstDate = DateSerial::fromDate(date);
    window_->session().ticket.weeks = 1;
    window_->session().ticket.days = 1; // Saturday
    window_->session().ticket.spiel77 = 0;
    window_->session().ticket.super6 = 0;

    choose({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    control<QPushButton>(QStringLiteral("SystemRateButton"))->click();
    const QString rating = page()->rating();
    const QStringList expected{
        "Ziehung vom 04.01.2020: 1 2 3 4 5 6",
        "6 Richtige, Reihen: 1",
        "5 Richtige, Reihen: 24",
        "4 Richtige, Reihen: 90",
        "3 Richtige, Reihen: 80",
        "2 Richtige, Reihen: 15",
        // The ticket's super number 7 is drawn: the classes with SZ.
        "Gewinnklasse 1, Reihen: 1",
        "Gewinnklasse 3, Reihen: 24",
        "Gewinnklasse 5, Reihen: 90",
        "Gewinnklasse 7, Reihen: 80",
        "Gewinnklasse 9, Reihen: 15",
    };
    const QStringList lines = rating.split(u'\n');
    QCOMPARE(lines.mid(0, expected.size()), expected);
    QVERIFY2(rating.contains(QStringLiteral("= 252,00 €")), qPrintable(rating));
    // The run is the one Saturday: the same counts once more.
    const int run = int(lines.indexOf(line(TextLine::SystemRunHeading).arg(1)));
    QVERIFY2(run > 0, qPrintable(rating));
    QCOMPARE(lines.mid(run + 1, expected.size() - 1), expected.mid(1));
    // Another number makes another system: the rating of this one goes.
    page()->numberButton(11)->click();
    QCOMPARE(page()->rating(), QString());
}

void SystemWindowTest::guaranteeKeptWhileNumbersChange()
{
    choose({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    QComboBox* combo = page()->systemCombo();
    const ShippedSystem* ten = ShippedSystems::find(10, {3, 4});
    const ShippedSystem* eleven = ShippedSystems::find(11, {3, 4});
    QVERIFY(ten && eleven);
    combo->setCurrentIndex(combo->findText(line(TextLine::SystemReduced).arg(3).arg(4).arg(ten->rows.size())));
    page()->numberButton(11)->click();
    QCOMPARE(combo->currentText(), line(TextLine::SystemReduced).arg(3).arg(4).arg(eleven->rows.size()));
    QCOMPARE(window_->currentSystem()->rows.size(), eleven->rows.size());
    // Fewer than seven numbers offer nothing; seven again offer the full system.
    for (int n = 11; n >= 7; --n)
        page()->numberButton(n)->click();
    QCOMPARE(combo->count(), 0);
    QVERIFY(!window_->currentSystem());
}

void SystemWindowTest::savedSystemFileReadsBack()
{
    choose({4, 8, 15, 16, 23, 42, 44, 47, 49, 1});
    QComboBox* combo = page()->systemCombo();
    const ShippedSystem* entry = ShippedSystems::find(10, {3, 4});
    QVERIFY(entry);
    combo->setCurrentIndex(combo->findText(line(TextLine::SystemReduced).arg(3).arg(4).arg(entry->rows.size())));
    const QString path = home_ + QStringLiteral("mein.vls");
    platform_.dialogs.fileAnswers.enqueue(path);
    control<QPushButton>(QStringLiteral("SystemSaveButton"))->click();
    QCOMPARE(platform_.dialogs.fileDialogs.size(), 1);
    QCOMPARE(platform_.dialogs.fileDialogs.first().defaultSuffix, SystemFile::defaultSuffix());
    QVERIFY2(platform_.dialogs.messages.isEmpty(), qPrintable(platform_.dialogs.messages.join(u'\n')));

    QString error;
    const std::optional<LottoSystem> read = SystemFile::read(path, &error);
    QVERIFY2(read, qPrintable(error));
    const std::optional<LottoSystem> shown = window_->currentSystem();
    QVERIFY(shown);
    QCOMPARE(read->numbers, (std::vector<int>{1, 4, 8, 15, 16, 23, 42, 44, 47, 49}));
    QCOMPARE(read->guarantee, (Guarantee{3, 4}));
    QCOMPARE(read->sortedRows(), shown->sortedRows());
    QCOMPARE(read->name, shown->name);
}

void SystemWindowTest::csvHoldsEveryRow()
{
    choose({7, 1, 2, 3, 4, 5, 6});
    const QString path = home_ + QStringLiteral("reihen.csv");
    platform_.dialogs.fileAnswers.enqueue(path);
    control<QPushButton>(QStringLiteral("SystemCsvButton"))->click();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("n1,n2,n3,n4,n5,n6\r\n"
                                        "1,2,3,4,5,6\r\n1,2,3,4,5,7\r\n1,2,3,4,6,7\r\n1,2,3,5,6,7\r\n"
                                        "1,2,4,5,6,7\r\n1,3,4,5,6,7\r\n2,3,4,5,6,7\r\n"));
    QCOMPARE(platform_.dialogs.fileDialogs.first().defaultSuffix, QStringLiteral("csv"));
}

void SystemWindowTest::backtestCountsTheRangesDraws()
{
    QVERIFY(writeDraws({makeDraw(QDate(2019, 12, 28), {1, 2, 3, 4, 5, 6}, 0, 1),
                        makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 6}, 0, 7),
                        makeDraw(QDate(2020, 1, 8), {1, 2, 3, 10, 20, 30}, 0, 2),
                        makeDraw(QDate(2020, 2, 1), {1, 2, 3, 4, 5, 6}, 0, 3)}));
    window_ = makeWindow();
    window_->FormShow();
    choose({1, 2, 3, 4, 5, 6, 7});
    page()->fromDate()->setDate(QDate(2020, 1, 1));
    page()->toDate()->setDate(QDate(2020, 1, 31));
    control<QPushButton>(QStringLiteral("SystemBacktestButton"))->click();

    QCOMPARE(shownReports(), QStringList{home_ + QStringLiteral("System.txt")});
    QFile file(home_ + QStringLiteral("System.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    // Two draws in the range; without a ticket number no class asks for the super number.
    const QStringList expected{
        "Rückblick: Vollsystem 007 auf 1 2 3 4 5 6 7, Ziehungen vom 01.01.2020 bis 31.01.2020",
        "7 Reihen; 6 Richtige, wenn 6 der gezogenen Zahlen unter Ihren sind.",
        "2 Ziehungen gewertet, 0 ohne sechs gültige Zahlen übersprungen.",
        "",
        "6 Richtige, Reihen: 1",
        "5 Richtige, Reihen: 6",
        "4 Richtige, Reihen: 0",
        "3 Richtige, Reihen: 4",
        "2 Richtige, Reihen: 3",
        "Gewinnklasse 2, Reihen: 1",
        "Gewinnklasse 4, Reihen: 6",
        "Gewinnklasse 8, Reihen: 4",
        "Einsatz: 16,80 €",
        "",
        "Zum Vergleich 7 Zufallsreihen auf denselben Ziehungen:",
    };
    QCOMPARE(lines.mid(0, expected.size()), expected);
    // The random rows are paid on the same draws.
    QVERIFY(lines.contains(QStringLiteral("Einsatz: 16,80 €")));
    QCOMPARE(lines.count(QStringLiteral("Einsatz: 16,80 €")), 2);

    // A range without a stored draw says so and shows no report.
    page()->fromDate()->setDate(QDate(2021, 1, 1));
    page()->toDate()->setDate(QDate(2021, 12, 31));
    control<QPushButton>(QStringLiteral("SystemBacktestButton"))->click();
    QCOMPARE(platform_.dialogs.messages,
             QStringList{line(TextLine::SystemBacktestNoDraw).arg("01.01.2021", "31.12.2021")});
    QCOMPARE(shownReports().size(), 1);
}

void SystemWindowTest::build(int hits, int ifDrawn)
{
    page()->buildIfDrawn()->setValue(ifDrawn);
    page()->buildHits()->setValue(hits);
    page()->buildButton()->click();
}

void SystemWindowTest::verifyProven(const LottoSystem& system)
{
    const CoverageResult proof =
        CoverageCheck::check(system.rows, int(system.numbers.size()), system.guarantee);
    QVERIFY(proof.holds);
    QVERIFY(proof.holes.empty());
}

void SystemWindowTest::buildOneForAnotherGuarantee_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("ifDrawn");
    QTest::addColumn<int>("rows");

    // The search ends as soon as it reaches the counting bound, so these are
    // quick and their row counts proven minimal.
    QTest::newRow("3 if 4 on 7: one row") << 7 << 3 << 4 << 1;
    QTest::newRow("2 if 4 on 13") << 13 << 2 << 4 << 2;
    QTest::newRow("3 if 6 on 9") << 9 << 3 << 6 << 1;
}

void SystemWindowTest::buildOneForAnotherGuarantee()
{
    QFETCH(int, k);
    QFETCH(int, hits);
    QFETCH(int, ifDrawn);
    QFETCH(int, rows);

    std::vector<int> numbers;
    for (int n = 0; n < k; ++n)
        numbers.push_back(49 - 3 * n);
    choose(numbers);
    const QString idleCaption = page()->buildButton()->text();
    build(hits, ifDrawn);
    // The search runs beside the window, which locks what a run must not change.
    QCOMPARE(window_->activity(), TForm1::Activity::Building);
    QVERIFY(!control<QPushButton>(QStringLiteral("SystemBoardButton"))->isEnabled());
    QVERIFY(page()->buildButton()->text().startsWith(line(TextLine::Stop)));
    QTRY_VERIFY_WITH_TIMEOUT(!window_->isBusy(), 60000);

    QCOMPARE(page()->buildButton()->text(), idleCaption);
    QVERIFY(control<QPushButton>(QStringLiteral("SystemBoardButton"))->isEnabled());
    const QString name = line(TextLine::SystemBuilt).arg(hits).arg(ifDrawn).arg(rows);
    QCOMPARE(page()->systemCombo()->currentText(), name);
    QVERIFY(page()->info().contains(line(TextLine::SystemMinimal)));
    // The steps taken depend on the search (none when the greedy start
    // reaches the bound); the rows said do not.
    const QString said = page()->rating();
    QVERIFY2(said == line(TextLine::SystemBuildAtOnce).arg(rows)
                 || said.startsWith(line(TextLine::SystemBuildDone).arg(rows).section(QStringLiteral("%2"), 0, 0)),
             qPrintable(said));
    const std::optional<LottoSystem> system = window_->currentSystem();
    QVERIFY(system);
    QCOMPARE(system->rows.size(), std::size_t(rows));
    QCOMPARE(system->guarantee, (Guarantee{hits, ifDrawn}));
    std::sort(numbers.begin(), numbers.end());
    QCOMPARE(system->numbers, numbers);
    verifyProven(*system);

    // The design serves any choice of as many numbers, beside the table's.
    page()->numberButton(numbers.front())->click();
    page()->numberButton(numbers.front() == 1 ? 2 : 1)->click();
    QCOMPARE(page()->systemCombo()->currentText(), name);
    QVERIFY(platform_.dialogs.messages.isEmpty());
}

void SystemWindowTest::shippedGuaranteeNeedsNoSearch()
{
    choose({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    const ShippedSystem* entry = ShippedSystems::find(10, {3, 4});
    QVERIFY(entry);
    build(3, 4);
    QVERIFY(!window_->isBusy());
    QCOMPARE(page()->systemCombo()->currentText(),
             line(TextLine::SystemReduced).arg(3).arg(4).arg(entry->rows.size()));
    QCOMPARE(page()->rating(), line(TextLine::SystemBuildShipped));
    // "6 if 6" is the full system.
    build(6, 6);
    QVERIFY(!window_->isBusy());
    QCOMPARE(page()->systemCombo()->currentIndex(), 0);
    QCOMPARE(window_->currentSystem()->rows.size(), std::size_t(210));
    // The boxes never ask for more hits than drawn numbers.
    page()->buildIfDrawn()->setValue(3);
    QCOMPARE(page()->buildHits()->value(), 3);
}

void SystemWindowTest::stoppedBuildKeepsTheBestFound()
{
    choose({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    // Far from its counting bound: the search would use its whole budget.
    build(4, 5);
    QVERIFY(window_->isBusy());
    page()->buildButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(!window_->isBusy(), 60000);

    const QStringList said = page()->rating().split(u'\n');
    QCOMPARE(said.size(), 2);
    QCOMPARE(said.last(), line(TextLine::SystemBuildStopped));
    const std::optional<LottoSystem> system = window_->currentSystem();
    QVERIFY(system);
    QCOMPARE(system->guarantee, (Guarantee{4, 5}));
    verifyProven(*system);
    QCOMPARE(page()->systemCombo()->currentText(),
             line(TextLine::SystemBuilt).arg(4).arg(5).arg(system->rows.size()));
    // Not proven minimal: the counting bound is named.
    QVERIFY(page()->info().contains(line(TextLine::SystemBestFound)));
    QVERIFY(page()->info().contains(
        line(TextLine::SystemLowerBound).arg(SystemSearch::countingBound(13, {4, 5}))));
}

void SystemWindowTest::closingWhileBuildingWaitsForTheSearch()
{
    showWindow(); // closing a shown window runs the save sequence
    window_->PageControl1->setCurrentWidget(page());
    choose({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    build(4, 5);
    QVERIFY(!window_->close()); // the search is asked to stop first
    QVERIFY(window_->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!window_->isVisible(), 60000);
    QVERIFY(!window_->isBusy());
}

void SystemWindowTest::numbersFromThePool()
{
    control<QPushButton>(QStringLiteral("SystemPoolButton"))->click();
    QCOMPARE(platform_.dialogs.messages, QStringList{line(TextLine::SystemNoPool)});
    QVERIFY(page()->chosen().empty());

    NumberPool pool;
    for (int n = 1; n <= 20; ++n)
        pool.append(n, n % 7 + 1); // 6, 13 and 20 strongest, then 5, 12, 19, ...
    window_->rememberPool(pool);
    // Without a choice of 7 to 13 numbers: the thirteen strongest.
    control<QPushButton>(QStringLiteral("SystemPoolButton"))->click();
    QCOMPARE(page()->chosen(), pool.strongest(13));
    QCOMPARE(page()->rating(), line(TextLine::SystemFromPool).arg(13));
    // With eight chosen: eight.
    const std::vector<int> thirteen = page()->chosen();
    for (std::size_t i = 0; i < 5; ++i)
        page()->numberButton(thirteen[i])->click();
    control<QPushButton>(QStringLiteral("SystemPoolButton"))->click();
    QCOMPARE(page()->chosen(), (std::vector<int>{4, 5, 6, 11, 12, 13, 19, 20}));
    QCOMPARE(page()->systemCombo()->currentText(), line(TextLine::SystemFull).arg("008"));
}

void SystemWindowTest::loadedSystemFile()
{
    // A reduced system no table row has: 3 if 4 on 7 numbers in one row.
    LottoSystem own;
    own.name = QStringLiteral("Mein System");
    own.guarantee = {3, 4};
    own.numbers = {2, 11, 17, 23, 31, 40, 48};
    own.rows = {0b0111111};
    const QString ownPath = home_ + QStringLiteral("eigen.vls");
    QCOMPARE(SystemFile::write(ownPath, own), QString());
    // The table's 3 if 4 on 10 numbers, written by hand.
    const ShippedSystem* entry = ShippedSystems::find(10, {3, 4});
    QVERIFY(entry);
    LottoSystem shipped = ShippedSystems::onNumbers(*entry, {1, 5, 9, 13, 17, 21, 25, 29, 33, 37});
    shipped.name = QStringLiteral("von Hand");
    const QString shippedPath = home_ + QStringLiteral("tabelle.vls");
    QCOMPARE(SystemFile::write(shippedPath, shipped), QString());

    platform_.dialogs.fileAnswers.enqueue(ownPath);
    control<QPushButton>(QStringLiteral("SystemLoadButton"))->click();
    QCOMPARE(page()->chosen(), own.numbers);
    QCOMPARE(page()->systemCombo()->currentText(), line(TextLine::SystemBuilt).arg(3).arg(4).arg(1));
    QCOMPARE(window_->currentSystem()->sortedRows(), own.sortedRows());

    // Rows the table has are its own system, not a second copy.
    platform_.dialogs.fileAnswers.enqueue(shippedPath);
    control<QPushButton>(QStringLiteral("SystemLoadButton"))->click();
    QCOMPARE(page()->chosen(), shipped.numbers);
    QCOMPARE(page()->systemCombo()->currentText(),
             line(TextLine::SystemReduced).arg(3).arg(4).arg(entry->rows.size()));
    QVERIFY(platform_.dialogs.messages.isEmpty());

    // A broken file and one with too many numbers change nothing.
    const QString brokenPath = home_ + QStringLiteral("kaputt.vls");
    QFile broken(brokenPath);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("Numerant system 1\r\nname: x\r\nnumbers: 1 2 3 4 5 6 7\r\nguarantee: 3 if 4\r\nrows: 2\r\n");
    broken.close();
    LottoSystem wide;
    wide.numbers = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    wide.rows = {0b111111, 0b1111110, 0b11111100};
    const QString widePath = home_ + QStringLiteral("breit.vls");
    QCOMPARE(SystemFile::write(widePath, wide), QString());
    platform_.dialogs.fileAnswers.enqueue(brokenPath);
    control<QPushButton>(QStringLiteral("SystemLoadButton"))->click();
    QCOMPARE(platform_.dialogs.errors.size(), 1);
    QVERIFY(platform_.dialogs.errors.first().startsWith(
        line(TextLine::CheckSystemFileBad).arg(QDir::toNativeSeparators(brokenPath), QString())));
    platform_.dialogs.fileAnswers.enqueue(widePath);
    control<QPushButton>(QStringLiteral("SystemLoadButton"))->click();
    QCOMPARE(platform_.dialogs.messages.last(), line(TextLine::SystemLoadCount).arg(14));
    QCOMPARE(page()->chosen(), shipped.numbers);
}

void SystemWindowTest::systemWithoutGuaranteeLooksBack()
{
    QVERIFY(writeDraws({makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 6}, 0, 7)}));
    window_ = makeWindow();
    window_->FormShow();
    LottoSystem plain;
    plain.numbers = {1, 2, 3, 4, 5, 6, 7};
    plain.rows = {0b0111111, 0b1111110};
    const QString path = home_ + QStringLiteral("ohne.vls");
    QCOMPARE(SystemFile::write(path, plain), QString());
    platform_.dialogs.fileAnswers.enqueue(path);
    control<QPushButton>(QStringLiteral("SystemLoadButton"))->click();
    QCOMPARE(page()->systemCombo()->currentText(), line(TextLine::SystemOwnPlain).arg(2));

    page()->fromDate()->setDate(QDate(2020, 1, 1));
    page()->toDate()->setDate(QDate(2020, 1, 31));
    control<QPushButton>(QStringLiteral("SystemBacktestButton"))->click();
    QFile file(home_ + QStringLiteral("System.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    // No made-up "0 hits if 0 drawn" for a system that promises nothing.
    QCOMPARE(lines.value(1), line(TextLine::SystemInfoPlain).arg(2));
}

void SystemWindowTest::printShowsEveryRow()
{
    choose({8, 1, 2, 3, 4, 5, 6, 7});
    control<QPushButton>(QStringLiteral("SystemPrintButton"))->click();
    const QString path = home_ + QStringLiteral("Systemreihen.txt");
    QCOMPARE(shownReports(), QStringList{path});
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.first(), QStringLiteral("Vollsystem 008 mit den Zahlen 1 2 3 4 5 6 7 8"));
    QCOMPARE(lines.at(1), QStringLiteral("28 Reihen; 6 Richtige, wenn 6 der gezogenen Zahlen unter Ihren sind."));
    QVERIFY(lines.at(2).startsWith(QStringLiteral("Einsatz je Ziehung: 28 Reihen × 1,20 €")));
    const qsizetype first = lines.indexOf(QStringLiteral(" 1:  1  2  3  4  5  6"));
    QVERIFY(first > 2);
    QCOMPARE(lines.at(first + 27), QStringLiteral("28:  3  4  5  6  7  8"));
    QCOMPARE(lines.mid(first).filter(QRegularExpression(QStringLiteral("^[ 0-9]{2}:( [ 0-9]{2}){6}$"))).size(), 28);
}

QTEST_MAIN(SystemWindowTest)
#include "tst_system_window.moc"
