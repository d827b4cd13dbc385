#include "DrawFixture.h"

#include "draws/CountingWindow.h"
#include "draws/DateSerial.h"

#include <QTest>

#include <limits>

class TestCountingWindow : public QObject {
    Q_OBJECT

private slots:
    void weekdayRules_data();
    void weekdayRules();
    void admits_data();
    void admits();
};

// One row per state of the two boxes; the patterns run Sunday..Saturday,
// 'x' = admitted by the statistics / skipped by browsing.
void TestCountingWindow::weekdayRules_data()
{
    QTest::addColumn<bool>("saturdays");
    QTest::addColumn<bool>("wednesdays");
    QTest::addColumn<QString>("admitted");
    QTest::addColumn<QString>("skipped");
    QTest::newRow("both boxes: every weekday, nothing skipped") << true << true << "xxxxxxx" << ".......";
    QTest::newRow("Saturday box only") << true << false << "x.....x" << "...x...";
    QTest::newRow("Wednesday box only") << false << true << "...x..." << "x.....x";
    QTest::newRow("no box: nothing counts, weekdays not skipped") << false << false << "......." << "x..x..x";
}

void TestCountingWindow::weekdayRules()
{
    QFETCH(bool, saturdays);
    QFETCH(bool, wednesdays);
    QFETCH(QString, admitted);
    QFETCH(QString, skipped);
    QString admittedNow, skippedNow;
    for (int weekday = DateSerial::Sunday; weekday <= DateSerial::Saturday; ++weekday) {
        admittedNow += weekdayRuleAdmits(weekday, saturdays, wednesdays) ? 'x' : '.';
        skippedNow += browseSkips(weekday, saturdays, wednesdays) ? 'x' : '.';
    }
    QCOMPARE(admittedNow, admitted);
    QCOMPARE(skippedNow, skipped);
}

void TestCountingWindow::admits_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("startInclusive");
    QTest::addColumn<bool>("saturdays");
    QTest::addColumn<bool>("wednesdays");
    QTest::addColumn<bool>("expected");

    // Window 01.12.2020 (Tuesday) .. 09.12.2020 (Wednesday).
    const QDate start(2020, 12, 1);
    const QDate end(2020, 12, 9);
    QTest::newRow("start date, inclusive (number distribution)") << start << true << true << true << true;
    QTest::newRow("start date, exclusive (pairs and others)") << start << false << true << true << false;
    QTest::newRow("day after start, exclusive") << start.addDays(1) << false << true << true << true;
    QTest::newRow("day before start") << start.addDays(-1) << true << true << true << false;
    QTest::newRow("end date counts") << end << false << true << true << true;
    QTest::newRow("day after end") << end.addDays(1) << true << true << true << false;
    QTest::newRow("Tuesday, Saturday box only") << QDate(2020, 12, 8) << false << true << false << false;
    QTest::newRow("Sunday, Saturday box only") << QDate(2020, 12, 6) << false << true << false << true;
    QTest::newRow("Saturday, Wednesday box only") << QDate(2020, 12, 5) << false << false << true << false;
    QTest::newRow("Wednesday, Wednesday box only") << end << false << false << true << true;
    QTest::newRow("Wednesday, no box") << end << false << false << false << false;
}

void TestCountingWindow::admits()
{
    QFETCH(QDate, date);
    QFETCH(bool, startInclusive);
    QFETCH(bool, saturdays);
    QFETCH(bool, wednesdays);
    QFETCH(bool, expected);
    CountingWindow window;
    window.start = DateSerial::fromDate(QDate(2020, 12, 1));
    window.end = DateSerial::fromDate(QDate(2020, 12, 9));
    window.startInclusive = startInclusive;
    window.saturdays = saturdays;
    window.wednesdays = wednesdays;
    QCOMPARE(window.admits(makeDraw(date, {1, 2, 3, 4, 5, 6}, 7)), expected);

    // A damaged record's date never falls inside any window.
    Draw damaged = makeDraw(date, {1, 2, 3, 4, 5, 6}, 7);
    damaged.datum = std::numeric_limits<double>::quiet_NaN();
    QVERIFY(!window.admits(damaged));
}

QTEST_GUILESS_MAIN(TestCountingWindow)
#include "tst_countingwindow.moc"
