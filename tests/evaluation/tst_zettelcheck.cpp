#include "evaluation/Zettelcheck.h"

#include <QList>
#include <QStringList>
#include <QTest>

namespace {

// Draw as the window holds it: [1..6] numbers, [7] bonus, [8] super number.
std::array<qint32, 9> draw(const QList<int>& numbersThenBonus)
{
    std::array<qint32, 9> zahl{};
    for (int i = 0; i < numbersThenBonus.size(); ++i)
        zahl[static_cast<std::size_t>(i + 1)] = numbersThenBonus[i];
    zahl[8] = 9;
    return zahl;
}

std::array<QString, 6> cells(const QStringList& texts)
{
    std::array<QString, 6> row;
    for (int k = 0; k < 6; ++k)
        row[static_cast<std::size_t>(k)] = texts.value(k);
    return row;
}

QList<int> marks(const CheckResult& result)
{
    QList<int> list;
    for (std::size_t k = 1; k <= 6; ++k)
        list << result.treffer[k];
    return list;
}

} // namespace

class TestZettelcheck : public QObject {
    Q_OBJECT
private slots:
    void compareTexts_data();
    void compareTexts();
    void compareNumbers_data();
    void compareNumbers();
};

void TestZettelcheck::compareTexts_data()
{
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QList<int>>("drawn"); // six numbers, then the bonus
    QTest::addColumn<QList<int>>("treffer");
    QTest::addColumn<int>("gewinn");
    QTest::addColumn<bool>("zusatz");

    const QList<int> d = {3, 11, 17, 25, 38, 44, 7};
    QTest::newRow("all six") << QStringList{"3", "11", "17", "25", "38", "44"} << d
                             << QList<int>{1, 1, 1, 1, 1, 1} << 6 << false;
    QTest::newRow("order does not matter") << QStringList{"44", "1", "2", "3", "4", "5"} << d
                                           << QList<int>{1, 0, 0, 1, 0, 0} << 2 << false;
    QTest::newRow("nothing") << QStringList{"1", "2", "4", "5", "6", "8"} << d
                             << QList<int>{0, 0, 0, 0, 0, 0} << 0 << false;
    QTest::newRow("bonus alone") << QStringList{"1", "2", "4", "5", "6", "7"} << d
                                 << QList<int>{0, 0, 0, 0, 0, 2} << 0 << true;
    QTest::newRow("bonus and three hits") << QStringList{"3", "7", "11", "17", "40", "41"} << d
                                          << QList<int>{1, 2, 1, 1, 0, 0} << 3 << true;
    QTest::newRow("number twice in row counts twice")
        << QStringList{"3", "3", "3", "1", "2", "4"} << d
        << QList<int>{1, 1, 1, 0, 0, 0} << 3 << false;
    QTest::newRow("number twice in draw counts twice")
        << QStringList{"5", "1", "2", "4", "6", "8"} << QList<int>{5, 5, 10, 20, 30, 40, 7}
        << QList<int>{1, 0, 0, 0, 0, 0} << 2 << false;
    QTest::newRow("same number everywhere counts every pair")
        << QStringList{"5", "5", "5", "5", "5", "5"} << QList<int>{5, 5, 5, 5, 5, 5, 7}
        << QList<int>{1, 1, 1, 1, 1, 1} << 36 << false;
    // A cell equal to a drawn number and to the bonus (only in odd data) is
    // marked as bonus but still counts as a hit.
    QTest::newRow("bonus mark wins over drawn mark")
        << QStringList{"3", "1", "2", "4", "5", "6"} << QList<int>{3, 11, 17, 25, 38, 44, 3}
        << QList<int>{2, 0, 0, 0, 0, 0} << 1 << true;
    QTest::newRow("blanks around a number") << QStringList{" 3", "11 ", "1", "2", "4", "5"} << d
                                            << QList<int>{1, 1, 0, 0, 0, 0} << 2 << false;

    // The comparison walks drawn numbers outside and cells inside, so a bad
    // cell stops it during the first drawn number: later drawn numbers and
    // the bonus are never looked at.
    QTest::newRow("letters stop after earlier cells")
        << QStringList{"3", "x", "11", "17", "25", "38"} << d
        << QList<int>{1, 0, 0, 0, 0, 0} << 1 << false;
    QTest::newRow("empty cell stops before the bonus")
        << QStringList{"7", "3", "11", "17", "25", ""} << d
        << QList<int>{0, 1, 0, 0, 0, 0} << 1 << false;
    QTest::newRow("bad first cell finds nothing")
        << QStringList{"", "3", "11", "17", "25", "38"} << d
        << QList<int>{0, 0, 0, 0, 0, 0} << 0 << false;
}

void TestZettelcheck::compareTexts()
{
    QFETCH(QStringList, row);
    QFETCH(QList<int>, drawn);
    QFETCH(QList<int>, treffer);
    QFETCH(int, gewinn);
    QFETCH(bool, zusatz);

    const CheckResult result = zettelcheck(cells(row), draw(drawn));
    QCOMPARE(marks(result), treffer);
    QCOMPARE(int(result.gewinn), gewinn);
    QCOMPARE(result.zusatz, zusatz);
    QCOMPARE(int(result.treffer[7]), 0);
    QCOMPARE(int(result.treffer[8]), 0);
}

void TestZettelcheck::compareNumbers_data()
{
    QTest::addColumn<QList<int>>("row");
    QTest::addColumn<QList<int>>("drawn");
    QTest::addColumn<QList<int>>("treffer");
    QTest::addColumn<int>("gewinn");
    QTest::addColumn<bool>("zusatz");

    QTest::newRow("full row") << QList<int>{3, 11, 17, 25, 38, 7}
                              << QList<int>{3, 11, 17, 25, 38, 44, 7}
                              << QList<int>{1, 1, 1, 1, 1, 2} << 5 << true;
    QTest::newRow("pair padded with zeros") << QList<int>{11, 17, 0, 0, 0, 0}
                                            << QList<int>{3, 11, 17, 25, 38, 44, 7}
                                            << QList<int>{1, 1, 0, 0, 0, 0} << 2 << false;
    QTest::newRow("padding against a draw without bonus")
        << QList<int>{11, 17, 0, 0, 0, 0} << QList<int>{3, 11, 17, 25, 38, 44, 0}
        << QList<int>{1, 1, 0, 0, 0, 0} << 2 << false;
    QTest::newRow("padding against a zero in the numbers")
        << QList<int>{11, 0, 0, 0, 0, 0} << QList<int>{0, 11, 17, 25, 38, 44, 7}
        << QList<int>{1, 0, 0, 0, 0, 0} << 1 << false;
}

void TestZettelcheck::compareNumbers()
{
    QFETCH(QList<int>, row);
    QFETCH(QList<int>, drawn);
    QFETCH(QList<int>, treffer);
    QFETCH(int, gewinn);
    QFETCH(bool, zusatz);

    std::array<int, 6> numbers{};
    for (int k = 0; k < 6; ++k)
        numbers[static_cast<std::size_t>(k)] = row[k];
    const CheckResult result = zettelcheck(numbers, draw(drawn));
    QCOMPARE(marks(result), treffer);
    QCOMPARE(int(result.gewinn), gewinn);
    QCOMPARE(result.zusatz, zusatz);
}

QTEST_GUILESS_MAIN(TestZettelcheck)
#include "tst_zettelcheck.moc"
