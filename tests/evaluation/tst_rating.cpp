#include "evaluation/BoardRating.h"

#include <QList>
#include <QStringList>
#include <QTest>

namespace {

// 3, 11, 17, 25, 38, 44, bonus 7.
std::array<qint32, 9> standardDraw()
{
    return {0, 3, 11, 17, 25, 38, 44, 7, 2};
}

std::array<QString, 6> cells(const QStringList& texts)
{
    std::array<QString, 6> row;
    for (int k = 0; k < 6; ++k)
        row[static_cast<std::size_t>(k)] = texts.value(k);
    return row;
}

QStringList texts(const std::array<QString, 6>& row)
{
    return QStringList(row.begin(), row.end());
}

QList<int> states(const RowRating& rating)
{
    return QList<int>(rating.cellState.begin(), rating.cellState.end());
}

} // namespace

class TestRating : public QObject {
    Q_OBJECT
private slots:
    void rateValidRow_data();
    void rateValidRow();
    void invalidRowIsNeutral_data();
    void invalidRowIsNeutral();
    void boardCountsValidRowsOnly();
    void repeatedNumbersStayInsideStatistik_data();
    void repeatedNumbersStayInsideStatistik();
};

void TestRating::rateValidRow_data()
{
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QStringList>("sorted");
    QTest::addColumn<int>("crossSum");
    QTest::addColumn<QList<int>>("cellState");
    QTest::addColumn<QString>("hitsText");
    QTest::addColumn<bool>("highlight");

    QTest::newRow("six hits") << QStringList{"3", "11", "17", "25", "38", "44"}
                              << QStringList{"3", "11", "17", "25", "38", "44"} << 138
                              << QList<int>{1, 1, 1, 1, 1, 1} << "6" << true;
    QTest::newRow("typed out of order is sorted")
        << QStringList{"44", "3", "25", "11", "38", "17"}
        << QStringList{"3", "11", "17", "25", "38", "44"} << 138
        << QList<int>{1, 1, 1, 1, 1, 1} << "6" << true;
    // The states follow the sorted cells, not the typed order.
    QTest::newRow("bonus with no hits") << QStringList{"49", "7", "1", "2", "4", "5"}
                                        << QStringList{"1", "2", "4", "5", "7", "49"} << 68
                                        << QList<int>{0, 0, 0, 0, 2, 0} << "0 + B" << false;
    QTest::newRow("three hits and bonus") << QStringList{"41", "40", "7", "17", "11", "3"}
                                          << QStringList{"3", "7", "11", "17", "40", "41"} << 119
                                          << QList<int>{1, 2, 1, 1, 0, 0} << "3 + B" << true;
    QTest::newRow("two hits stay black") << QStringList{"1", "2", "3", "4", "5", "11"}
                                         << QStringList{"1", "2", "3", "4", "5", "11"} << 26
                                         << QList<int>{0, 0, 1, 0, 0, 1} << "2" << false;
    QTest::newRow("repeated numbers stay repeated")
        << QStringList{"9", "3", "9", "1", "3", "2"} << QStringList{"1", "2", "3", "3", "9", "9"}
        << 27 << QList<int>{0, 0, 1, 1, 0, 0} << "2" << false;
    QTest::newRow("leading zero rewritten") << QStringList{"07", "1", "2", "4", "5", "6"}
                                            << QStringList{"1", "2", "4", "5", "6", "7"} << 25
                                            << QList<int>{0, 0, 0, 0, 0, 2} << "0 + B" << false;
}

void TestRating::rateValidRow()
{
    QFETCH(QStringList, row);
    QFETCH(QStringList, sorted);
    QFETCH(int, crossSum);
    QFETCH(QList<int>, cellState);
    QFETCH(QString, hitsText);
    QFETCH(bool, highlight);

    const RowRating rating = rateRow(cells(row), standardDraw());
    QVERIFY(rating.valid);
    QCOMPARE(texts(rating.sortedTexts), sorted);
    for (int k = 0; k < 6; ++k)
        QCOMPARE(QString::number(rating.sorted[static_cast<std::size_t>(k)]), sorted[k]);
    QCOMPARE(rating.crossSum, crossSum);
    QCOMPARE(states(rating), cellState);
    QCOMPARE(rating.hitsText, hitsText);
    QCOMPARE(rating.highlight, highlight);
}

void TestRating::invalidRowIsNeutral_data()
{
    QTest::addColumn<QStringList>("row");

    QTest::newRow("one empty cell") << QStringList{"44", "3", "", "11", "38", "17"};
    QTest::newRow("empty row") << QStringList{"", "", "", "", "", ""};
    QTest::newRow("letters") << QStringList{"44", "3", "25", "11", "38", "x"};
    // As bytes these would wrap into 44 and 3 and fake two hits.
    QTest::newRow("too large for a byte") << QStringList{"300", "259", "25", "11", "38", "17"};
    QTest::newRow("negative") << QStringList{"-3", "1", "2", "4", "5", "6"};
}

void TestRating::invalidRowIsNeutral()
{
    QFETCH(QStringList, row);

    const RowRating rating = rateRow(cells(row), standardDraw());
    QVERIFY(!rating.valid);
    QCOMPARE(states(rating), (QList<int>{0, 0, 0, 0, 0, 0}));
    QVERIFY(rating.hitsText.isEmpty());
    QVERIFY(!rating.highlight);

    BoardRows board;
    board[0] = cells(row);
    const BoardRating rated = rateBoard(board, standardDraw());
    QCOMPARE(rated.statistik, Statistik{});
    QVERIFY(!rated.last.has_value());
}

void TestRating::boardCountsValidRowsOnly()
{
    BoardRows board;
    board[0] = cells({"3", "11", "17", "25", "38", "44"});  // 6
    board[2] = cells({"3", "11", "17", "1", "2", "4"});     // 3
    board[3] = cells({"3", "11", "17", "1", "2", "7"});     // 3 + B
    board[5] = cells({"3", "11", "", "1", "2", "7"});       // invalid
    board[7] = cells({"1", "2", "4", "5", "6", "8"});       // 0
    board[11] = cells({"1", "2", "4", "5", "6", "7"});      // 0 + B, the last valid row

    const BoardRating rated = rateBoard(board, standardDraw());

    Statistik expected{};
    expected[6][0] = 1;
    expected[3][0] = 1;
    expected[3][1] = 1;
    expected[0][0] = 1;
    expected[0][1] = 1;
    QCOMPARE(rated.statistik, expected);
    QCOMPARE(rated.highlightCount, 3);
    QVERIFY(!rated.rows[1].valid);
    QVERIFY(!rated.rows[5].valid);
    QCOMPARE(rated.rows[3].hitsText, QStringLiteral("3 + B"));
    QVERIFY(rated.last.has_value());
    QCOMPARE(int(rated.last->gewinn), 0);
    QVERIFY(rated.last->zusatz);
}

void TestRating::repeatedNumbersStayInsideStatistik_data()
{
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QList<int>>("drawn");
    QTest::addColumn<QString>("hitsText");
    QTest::addColumn<bool>("withBonus");

    QTest::newRow("row of one number, drawn once")
        << QStringList{"5", "5", "5", "5", "5", "5"} << QList<int>{5, 11, 17, 25, 38, 44, 7}
        << "6" << false;
    QTest::newRow("row of one number, drawn twice")
        << QStringList{"5", "5", "5", "5", "5", "5"} << QList<int>{5, 5, 17, 25, 38, 44, 7}
        << "12" << false;
    QTest::newRow("everything the same")
        << QStringList{"5", "5", "5", "5", "5", "5"} << QList<int>{5, 5, 5, 5, 5, 5, 5}
        << "36 + B" << true;
}

// Repeated numbers make every equal pair count, so the hits can exceed six;
// such a row is counted as six, once, and never past the end of the table.
void TestRating::repeatedNumbersStayInsideStatistik()
{
    QFETCH(QStringList, row);
    QFETCH(QList<int>, drawn);
    QFETCH(QString, hitsText);
    QFETCH(bool, withBonus);

    std::array<qint32, 9> zahl{};
    for (int i = 0; i < 7; ++i)
        zahl[static_cast<std::size_t>(i + 1)] = drawn[i];

    BoardRows board;
    board[4] = cells(row);
    const BoardRating rated = rateBoard(board, zahl);
    QCOMPARE(rated.rows[4].hitsText, hitsText);

    Statistik expected{};
    expected[6][withBonus ? 1 : 0] = 1;
    QCOMPARE(rated.statistik, expected);
}

QTEST_GUILESS_MAIN(TestRating)
#include "tst_rating.moc"
