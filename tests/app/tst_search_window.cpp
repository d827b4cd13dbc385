#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "platform/Chart1.h"

#include "WindowFixture.h"

#include <QFile>
#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace {

const QStringList kDrawn{"3", "11", "17", "25", "38", "44"};

// December 2020: the same numbers on Saturday, Tuesday and Thursday, so the
// weekday rule of the search decides which of them are found.
std::vector<Draw> december()
{
    return {makeDraw(QDate(2020, 12, 5), {3, 11, 17, 25, 38, 44}, 7),   // Saturday
            makeDraw(QDate(2020, 12, 8), {3, 11, 17, 25, 38, 44}, 7),   // Tuesday
            makeDraw(QDate(2020, 12, 9), {1, 2, 3, 4, 5, 6}, 9),        // Wednesday
            makeDraw(QDate(2020, 12, 10), {3, 11, 17, 25, 38, 44}, 7),  // Thursday
            makeDraw(QDate(2020, 12, 12), {10, 20, 30, 40, 41, 42}, 43)}; // Saturday
}

} // namespace

class SearchWindowTest : public QObject, private WindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void foundDraws_data();
    void foundDraws();
    void noAtTheFirstMessageKeepsTheFoundDraw();
    void thresholdThatIsNoNumber();
    void missingDatabase();

private:
    void setRow(int row, const QStringList& cells);
    void search(const QString& threshold);
    QString found(const QDate& date) const
    {
        return window_->text(8) + QLatin1Char('|') + window_->text(6)
               + date.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral("   ") + window_->text(7);
    }
};

void SearchWindowTest::init()
{
    // Separate folders: the database is read from home only.
    QVERIFY(setUp(Folders::Separate));
    window_ = makeWindow();
    window_->sortieren = true;
    window_->diagrammPage()->setStartDate(QDate(2020, 12, 1));
    window_->datenbankPage()->setEndDate(QDate(2020, 12, 31));
}

void SearchWindowTest::cleanup()
{
    tearDown();
}

void SearchWindowTest::setRow(int row, const QStringList& cells)
{
    for (int k = 1; k <= 6; ++k)
        window_->tipBoard()->setCellText(row, k, cells.value(k - 1));
}

void SearchWindowTest::search(const QString& threshold)
{
    dialogs_.inputAnswers.enqueue(threshold);
    control<QToolButton>(QStringLiteral("SpeedButton4"))->click();
}

void SearchWindowTest::foundDraws_data()
{
    QTest::addColumn<bool>("saturdays");
    QTest::addColumn<bool>("wednesdays");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<QList<QDate>>("messages"); // one per qualifying row, all answered Yes

    const QDate sat(2020, 12, 5), wed(2020, 12, 9), sat2(2020, 12, 12);
    // Row 1 is the Saturday, Tuesday and Thursday draw, row 2 shares three
    // numbers with the Wednesday draw; the other ten rows are empty.
    QTest::newRow("both boxes: never Tuesday or Thursday") << true << true << "6" << QList<QDate>{sat};
    QTest::newRow("Saturdays only") << true << false << "3" << QList<QDate>{sat};
    QTest::newRow("Wednesdays only") << false << true << "3" << QList<QDate>{wed};
    QTest::newRow("neither box") << false << false << "0" << QList<QDate>{};
    QTest::newRow("threshold 7: never") << true << true << "7" << QList<QDate>{};
    QList<QDate> everyRow;
    for (const QDate& date : {sat, wed, sat2})
        for (int row = 0; row < 12; ++row)
            everyRow << date;
    QTest::newRow("threshold 0: every row, empty ones too") << true << true << " 0 " << everyRow;
}

void SearchWindowTest::foundDraws()
{
    QFETCH(bool, saturdays);
    QFETCH(bool, wednesdays);
    QFETCH(QString, threshold);
    QFETCH(QList<QDate>, messages);

    QVERIFY(writeDraws(december()));
    window_->datenbankPage()->setSaturdays(saturdays);
    window_->datenbankPage()->setWednesdays(wednesdays);
    setRow(1, {"44", "38", "25", "17", "11", "3"});
    setRow(2, {"1", "2", "3", "30", "31", "32"});
    window_->Position = 3;
    for (int i = 0; i < messages.size(); ++i)
        dialogs_.yesNoAnswers.enqueue(true);

    search(threshold);

    QCOMPARE(dialogs_.inputPrompts,
             QStringList{window_->text(4) + "|" + window_->text(5) + "|6"});
    QStringList expected;
    for (const QDate& date : messages)
        expected << found(date);
    QCOMPARE(dialogs_.questions, expected);
    QVERIFY(dialogs_.messages.isEmpty());

    // At the end: the ten zero bars, the last examined draw shown with the
    // hits of its rows, and browsing still where it was.
    const QVector<ChartBar>& bars = window_->chart()->bars(Chart1::Series2);
    QCOMPARE(bars.size(), 10);
    for (int x = 0; x < 10; ++x) {
        QCOMPARE(bars[x].x, double(x));
        QCOMPARE(bars[x].y, 0.0);
    }
    QVERIFY(window_->chart()->isActive(Chart1::Series2));
    QVERIFY(!window_->chart()->isActive(Chart1::Series1));
    QCOMPARE(window_->Position, 3);
    if (saturdays) {
        QVERIFY(window_->datenbankPage()->drawLine().startsWith(QStringLiteral("Sa 12.12.20  ")));
        QCOMPARE(window_->lottotippPage()->drawLine(), window_->datenbankPage()->drawLine());
        QCOMPARE(window_->lottotippPage()->crossSum(), QStringLiteral("QS: 183"));
        QCOMPARE(window_->tipBoard()->hitsText(1), QStringLiteral("0"));
    }
}

void SearchWindowTest::noAtTheFirstMessageKeepsTheFoundDraw()
{
    QVERIFY(writeDraws(december()));
    setRow(1, {"44", "38", "25", "17", "11", "3"});
    setRow(2, {"1", "2", "3", "4", "5", "7"}); // one hit and the bonus on the Saturday
    window_->Position = 4;
    dialogs_.yesNoAnswers.enqueue(false);

    search(QStringLiteral("6"));

    QCOMPARE(dialogs_.questions, QStringList{found(QDate(2020, 12, 5))});
    QCOMPARE(window_->Datum1, DateSerial::fromDate(QDate(2020, 12, 5)));
    QCOMPARE(window_->Position, 4);
    QVERIFY(window_->datenbankPage()->drawLine().startsWith(QStringLiteral("Sa 05.12.20  ")));
    // The rating ran before the message: rows sorted, coloured, counted.
    TipBoard* board = window_->tipBoard();
    QCOMPARE(board->cellText(1, 1), QStringLiteral("3"));
    QCOMPARE(board->hitsText(1), QStringLiteral("6"));
    QCOMPARE(board->hitsColor(1), QColor(255, 0, 0));
    QCOMPARE(board->hitsText(2), QStringLiteral("1 + B"));
    QCOMPARE(board->cellColor(2, 6), QColor(255, 255, 0));
    QCOMPARE(sound_.played.size(), 1);
    QVERIFY(window_->chart()->bars(Chart1::Series2).isEmpty());

    // A new search starts from the start date again.
    dialogs_.yesNoAnswers.enqueue(false);
    search(QStringLiteral("6"));
    QCOMPARE(dialogs_.questions.size(), 2);
    QCOMPARE(dialogs_.questions.constLast(), found(QDate(2020, 12, 5)));
}

void SearchWindowTest::thresholdThatIsNoNumber()
{
    // Ends before the database is even looked at: there is none here.
    search(QStringLiteral("sechs"));
    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY(dialogs_.messages[0].contains(QStringLiteral("sechs")));
    QVERIFY(!QFile::exists(databasePath()));
}

void SearchWindowTest::missingDatabase()
{
    search(QStringLiteral("6"));
    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY(dialogs_.messages[0].contains(databasePath()));
    QVERIFY(!QFile::exists(databasePath()));
    QVERIFY(dialogs_.questions.isEmpty());
    QVERIFY(!window_->isBusy());
}

QTEST_MAIN(SearchWindowTest)
#include "tst_search_window.moc"
