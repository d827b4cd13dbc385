#include "draws/DateSerial.h"

#include <QTest>

#include <limits>

class TestDateSerial : public QObject {
    Q_OBJECT

private slots:
    void serialsAndWeekdays_data();
    void serialsAndWeekdays();
    void unusableSerials_data();
    void unusableSerials();
};

void TestDateSerial::serialsAndWeekdays_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<double>("serial");
    QTest::addColumn<int>("weekday");
    QTest::newRow("day zero is a Saturday") << QDate(1899, 12, 30) << 0.0 << 7;
    QTest::newRow("before day zero") << QDate(1899, 12, 29) << -1.0 << 6;
    QTest::newRow("earliest picker date, a Saturday") << QDate(1994, 11, 19) << 34657.0 << 7;
    QTest::newRow("Sunday") << QDate(2020, 12, 6) << 44171.0 << 1;
    QTest::newRow("Wednesday") << QDate(2020, 12, 9) << 44174.0 << 4;
}

void TestDateSerial::serialsAndWeekdays()
{
    QFETCH(QDate, date);
    QFETCH(double, serial);
    QFETCH(int, weekday);
    QCOMPARE(DateSerial::fromDate(date), serial);
    QCOMPARE(DateSerial::toDate(serial), date);
    QCOMPARE(DateSerial::toDate(serial + 0.99), date); // the time of day does not move the date
    QCOMPARE(DateSerial::weekday(serial), weekday);
    QCOMPARE(DateSerial::weekday(date), weekday);
}

void TestDateSerial::unusableSerials_data()
{
    QTest::addColumn<double>("serial");
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("far beyond any calendar") << 1.0e300;
}

void TestDateSerial::unusableSerials()
{
    QFETCH(double, serial);
    QVERIFY(!DateSerial::toDate(serial).isValid());
    QCOMPARE(DateSerial::weekday(serial), 0);
}

QTEST_GUILESS_MAIN(TestDateSerial)
#include "tst_dateserial.moc"
