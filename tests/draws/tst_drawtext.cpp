#include "DrawFixture.h"

#include "draws/DrawText.h"
#include "text/TextLine.h"
#include "text/TextTable.h"
#include "text/UiText.h"

#include <QTest>

#include <limits>

class TestDrawText : public QObject {
    Q_OBJECT

private slots:
    void weekdayNames_data();
    void weekdayNames();
    void drawLine_data();
    void drawLine();
    void labelsFollowTheLanguage();
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

    // The labels follow the date: the bonus until 01.05.2013, the super
    // number from 07.12.1991, both in between.
    const Draw saturday = makeDraw(QDate(2020, 12, 5), {3, 11, 17, 25, 38, 44}, 0, 7);
    QTest::newRow("since 04.05.2013: super number only")
        << saturday << 0 << false << "Sa 05.12.20    3  11  17  25  38  44 SZ:7";
    QTest::newRow("file's first record: one blank more")
        << saturday << 0 << true << "Sa 05.12.20     3  11  17  25  38  44 SZ:7";
    QTest::newRow("first draw without a bonus")
        << makeDraw(QDate(2013, 5, 4), {5, 7, 11, 21, 22, 48}, 0, 8) << 0 << false
        << "Sa 04.05.13    5  7  11  21  22  48 SZ:8";
    QTest::newRow("last draw with a bonus: both")
        << makeDraw(QDate(2013, 5, 1), {5, 11, 24, 30, 41, 49}, 17, 3) << 0 << false
        << "Mi 01.05.13    5  11  24  30  41  49 B:17 SZ:3";
    QTest::newRow("first super number, 0 shown")
        << makeDraw(QDate(1991, 12, 7), {1, 2, 3, 4, 5, 6}, 7, 0) << 0 << false
        << "Sa 07.12.91    1  2  3  4  5  6 B:7 SZ:0";
    QTest::newRow("before 07.12.1991: bonus only")
        << makeDraw(QDate(1991, 11, 30), {1, 2, 3, 4, 5, 6}, 7, 0) << 0 << false
        << "Sa 30.11.91    1  2  3  4  5  6 B:7";
    QTest::newRow("English weekday, year 2009")
        << makeDraw(QDate(2009, 1, 7), {1, 2, 3, 4, 5, 6}, 49, 2) << 1 << false
        << "Wed 07.01.09    1  2  3  4  5  6 B:49 SZ:2";
    QTest::newRow("out-of-range values print as stored")
        << makeDraw(QDate(2010, 12, 5), {0, 50, 255, 4, 5, 6}, 200, 99) << 0 << false
        << "So 05.12.10    0  50  255  4  5  6 B:200 SZ:99";
    Draw damaged = saturday;
    damaged.datum = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("damaged date: no rule applies") << damaged << 0 << false << "-- --.--.--    3  11  17  25  38  44";
}

void TestDrawText::drawLine()
{
    QFETCH(Draw, draw);
    QFETCH(int, sprache);
    QFETCH(bool, firstRecord);
    QFETCH(QString, expected);
    QCOMPARE(::drawLine(draw, shortWeekdayNames(sprache), firstRecord), expected);
}

void TestDrawText::labelsFollowTheLanguage()
{
    // The labels come from the installed text table, like every message.
    TextTable english;
    QStringList lines = TextTable::defaults();
    lines[TextLine::DrawBonusLabel] = QStringLiteral("B:");
    lines[TextLine::DrawSuperLabel] = QStringLiteral("SN:");
    english.setLines(lines);
    UiText::install(english);
    const QString line = ::drawLine(makeDraw(QDate(2013, 5, 1), {5, 11, 24, 30, 41, 49}, 17, 3),
                                    shortWeekdayNames(1));
    UiText::install(TextTable());
    QCOMPARE(line, QStringLiteral("Wed 01.05.13    5  11  24  30  41  49 B:17 SN:3"));
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
