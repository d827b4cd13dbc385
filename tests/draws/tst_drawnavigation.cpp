#include "DrawFixture.h"

#include "draws/DateSerial.h"
#include "draws/DrawBrowser.h"
#include "draws/DrawLocator.h"

#include <QTest>

#include <limits>

namespace {

// Saturday and Wednesday draws with one Tuesday draw among them.
//  0 Sa 28.11.20   1 We 02.12.20   2 Sa 05.12.20   3 We 09.12.20
//  4 Sa 12.12.20   5 Tu 15.12.20   6 We 16.12.20   7 Sa 19.12.20
std::vector<Draw> week()
{
    std::vector<Draw> draws;
    for (const QDate& date : {QDate(2020, 11, 28), QDate(2020, 12, 2), QDate(2020, 12, 5), QDate(2020, 12, 9),
                              QDate(2020, 12, 12), QDate(2020, 12, 15), QDate(2020, 12, 16), QDate(2020, 12, 19)})
        draws.push_back(makeDraw(date, {1, 2, 3, 4, 5, date.day() % 40 + 6}, 7));
    return draws;
}

std::vector<Draw> firstOf(const std::vector<Draw>& draws, int count)
{
    return {draws.begin(), draws.begin() + count};
}

} // namespace

class TestDrawNavigation : public QObject {
    Q_OBJECT

private slots:
    void locate_data();
    void locate();
    void locateInEmptyDatabase();
    void browse_data();
    void browse();
};

void TestDrawNavigation::locate_data()
{
    QTest::addColumn<double>("day");
    QTest::addColumn<int>("index");

    const auto serial = [](int y, int m, int d) { return DateSerial::fromDate(QDate(y, m, d)); };
    QTest::newRow("before the first draw: the first") << serial(2020, 1, 1) << 0;
    QTest::newRow("on a draw date: that draw") << serial(2020, 12, 9) << 3;
    QTest::newRow("between two draws: the later") << serial(2020, 12, 10) << 4;
    QTest::newRow("after the latest: the latest") << serial(2021, 6, 1) << 7;
    QTest::newRow("morning of a draw day rounds to it") << serial(2020, 12, 9) + 0.4 << 3;
    QTest::newRow("evening rounds to the next day") << serial(2020, 12, 9) + 0.6 << 4;
}

void TestDrawNavigation::locate()
{
    QFETCH(double, day);
    QFETCH(int, index);
    const std::vector<Draw> draws = week();
    const auto located = locateDraw(draws, day);
    QVERIFY(located.has_value());
    QCOMPARE(located->index, index);
    QCOMPARE(located->draw.datum, draws[std::size_t(index)].datum);
    QCOMPARE(located->firstRecord, index == 0);
}

void TestDrawNavigation::locateInEmptyDatabase()
{
    QVERIFY(!locateDraw({}, DateSerial::fromDate(QDate(2020, 12, 5))).has_value());
    QVERIFY(!previousPosition({}, 3, true, true).has_value());
    QVERIFY(!nextPosition({}, 3, true, true).has_value());
}

void TestDrawNavigation::browse_data()
{
    QTest::addColumn<int>("records"); // leading records of week() in the file
    QTest::addColumn<bool>("next");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("saturdays");
    QTest::addColumn<bool>("wednesdays");
    QTest::addColumn<int>("expected");

    QTest::newRow("previous: one back") << 8 << false << 4 << true << true << 3;
    QTest::newRow("previous: oldest but one stays") << 8 << false << 1 << true << true << 1;
    QTest::newRow("previous: oldest shown in a one-record file") << 1 << false << 0 << true << true << 0;
    QTest::newRow("previous: from past the end") << 8 << false << 20 << true << true << 7;
    QTest::newRow("previous: Wednesday cleared, passes over it") << 8 << false << 4 << true << false << 2;
    QTest::newRow("previous: Saturday cleared, passes over two") << 8 << false << 3 << false << true << 1;
    QTest::newRow("previous: no box, Tuesday is not skipped") << 8 << false << 7 << false << false << 5;
    // Only the unreachable oldest record is admitted before index 2.
    QTest::newRow("previous: nothing admitted before, stays") << 8 << false << 2 << true << false << 2;
    QTest::newRow("previous: single excluded record, stays") << 1 << false << 0 << false << true << 0;

    QTest::newRow("next: one on") << 8 << true << 3 << true << true << 4;
    QTest::newRow("next: latest shows latest again") << 8 << true << 7 << true << true << 7;
    QTest::newRow("next: Wednesday cleared, passes over it") << 8 << true << 5 << true << false << 7;
    QTest::newRow("next: excluded latest, lands before it") << 8 << true << 5 << false << true << 6;
    QTest::newRow("next: standing on excluded latest") << 8 << true << 7 << false << true << 6;
    QTest::newRow("next: last two excluded, stays") << 8 << true << 5 << false << false << 5;
    QTest::newRow("next: excluded latest of two, lands on the first") << 2 << true << 0 << true << false << 0;
    QTest::newRow("next: single excluded record, stays") << 1 << true << 0 << false << true << 0;
    QTest::newRow("next: negative position starts at the oldest") << 8 << true << -3 << true << true << 0;
    // Positions come from a field any later caller may set; the ends of int must not wrap.
    QTest::newRow("previous: lowest int") << 8 << false << std::numeric_limits<int>::min() << true << true << 1;
    QTest::newRow("previous: highest int") << 8 << false << std::numeric_limits<int>::max() << true << true << 7;
    QTest::newRow("next: lowest int") << 8 << true << std::numeric_limits<int>::min() << true << true << 0;
    QTest::newRow("next: highest int") << 8 << true << std::numeric_limits<int>::max() << true << true << 7;
}

void TestDrawNavigation::browse()
{
    QFETCH(int, records);
    QFETCH(bool, next);
    QFETCH(int, position);
    QFETCH(bool, saturdays);
    QFETCH(bool, wednesdays);
    QFETCH(int, expected);
    const std::vector<Draw> draws = firstOf(week(), records);
    const auto result = next ? nextPosition(draws, position, saturdays, wednesdays)
                             : previousPosition(draws, position, saturdays, wednesdays);
    QVERIFY(result.has_value());
    QCOMPARE(*result, expected);
}

QTEST_GUILESS_MAIN(TestDrawNavigation)
#include "tst_drawnavigation.moc"
