#include "DrawFixture.h"

#include "draws/DrawText.h"

#include <QTest>

#include <limits>

class TestDrawText : public QObject {
    Q_OBJECT

private slots:
    void weekdayNames_data();
    void weekdayNames();
    void drawLine_data();
    void drawLine();
    void crossSum_data();
    void crossSum();
};

void TestDrawText::weekdayNames_data()
{
    QTest::addColumn<int>("sprache");
    QTest::addColumn<QString>("sunday");
    QTest::addColumn<QString>("wednesday");
    QTest::addColumn<QString>("saturday");
    QTest::newRow("German") << 0 << "So" << "Mi" << "Sa";
    QTest::newRow("English") << 1 << "Sun" << "Wed" << "Sat";
    QTest::newRow("French, period stripped") << 2 << "dim" << "mer" << "sam";
    QTest::newRow("Spanish") << 3 << "dom" << "mié" << "sáb";
    QTest::newRow("Turkish") << 4 << "Paz" << "Çar" << "Cmt";
    QTest::newRow("Russian") << 5 << "вс" << "ср" << "сб";
    QTest::newRow("Dutch") << 6 << "zo" << "wo" << "za";
    QTest::newRow("Czech") << 7 << "ne" << "st" << "so";
    QTest::newRow("Polish, period stripped") << 8 << "niedz" << "śr" << "sob";
    QTest::newRow("unknown language falls back to German") << 9 << "So" << "Mi" << "Sa";
    QTest::newRow("negative language falls back to German") << -1 << "So" << "Mi" << "Sa";
}

void TestDrawText::weekdayNames()
{
    QFETCH(int, sprache);
    QFETCH(QString, sunday);
    QFETCH(QString, wednesday);
    QFETCH(QString, saturday);
    const QStringList names = shortWeekdayNames(sprache);
    QCOMPARE(names.size(), 7);
    QCOMPARE(names.at(0), sunday);
    QCOMPARE(names.at(3), wednesday);
    QCOMPARE(names.at(6), saturday);
    for (const QString& name : names) {
        QVERIFY(!name.isEmpty());
        QVERIFY(!name.endsWith('.'));
    }
}

void TestDrawText::drawLine_data()
{
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<int>("sprache");
    QTest::addColumn<bool>("firstRecord");
    QTest::addColumn<QString>("expected");

    const Draw saturday = makeDraw(QDate(2020, 12, 5), {3, 11, 17, 25, 38, 44}, 7);
    QTest::newRow("Saturday draw") << saturday << 0 << false << "Sa 05.12.20    3  11  17  25  38  44 B:7";
    QTest::newRow("file's first record: one blank more")
        << saturday << 0 << true << "Sa 05.12.20     3  11  17  25  38  44 B:7";
    QTest::newRow("English weekday, year 2009")
        << makeDraw(QDate(2009, 1, 7), {1, 2, 3, 4, 5, 6}, 49) << 1 << false << "Wed 07.01.09    1  2  3  4  5  6 B:49";
    QTest::newRow("out-of-range values print as stored")
        << makeDraw(QDate(2020, 12, 6), {0, 50, 255, 4, 5, 6}, 200, 99) << 0 << false
        << "So 06.12.20    0  50  255  4  5  6 B:200";
    Draw damaged = saturday;
    damaged.datum = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("damaged date") << damaged << 0 << false << "-- --.--.--    3  11  17  25  38  44 B:7";
}

void TestDrawText::drawLine()
{
    QFETCH(Draw, draw);
    QFETCH(int, sprache);
    QFETCH(bool, firstRecord);
    QFETCH(QString, expected);
    QCOMPARE(::drawLine(draw, shortWeekdayNames(sprache), firstRecord), expected);
}

void TestDrawText::crossSum_data()
{
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<QString>("expected");
    const QDate day(2020, 12, 5);
    QTest::newRow("smallest, bonus not added") << makeDraw(day, {1, 2, 3, 4, 5, 6}, 49) << "QS: 21";
    QTest::newRow("largest") << makeDraw(day, {44, 45, 46, 47, 48, 49}, 1, 9) << "QS: 279";
    QTest::newRow("damaged bytes do not wrap") << makeDraw(day, {255, 255, 255, 255, 255, 255}, 255) << "QS: 1530";
}

void TestDrawText::crossSum()
{
    QFETCH(Draw, draw);
    QFETCH(QString, expected);
    QCOMPARE(crossSumText(draw, QStringLiteral("QS: ")), expected);
}

QTEST_GUILESS_MAIN(TestDrawText)
#include "tst_drawtext.moc"
