#include "DrawFixture.h"

#include "draws/DateSerial.h"
#include "draws/Session.h"

#include <QTest>

class TestSession : public QObject {
    Q_OBJECT

private slots:
    void makeCurrent_data();
    void makeCurrent();
};

// A session in the middle of work: a draw current at index 7, a counting
// window and a rating on record. Making another draw current must move only
// the draw (and the index when it is given).
static Session busySession()
{
    Session session;
    session.makeCurrent(makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 6}, 7, 8), 7);
    session.workingDate = DateSerial::fromDate(QDate(2019, 1, 1));
    session.windowEnd = DateSerial::fromDate(QDate(2020, 1, 4));
    session.runLimit = 30000;
    session.ratingOn = true;
    session.lastRating.gewinn = 3;
    session.lastRating.statistik[3][1] = 2;
    session.ticket.number = QStringLiteral("1234567");
    return session;
}

void TestSession::makeCurrent_data()
{
    QTest::addColumn<int>("index"); // -1: no index given
    QTest::addColumn<int>("bonus");
    QTest::addColumn<int>("superNumber");
    QTest::addColumn<int>("expectedPosition");

    QTest::newRow("with its index") << 12 << 40 << 9 << 12;
    QTest::newRow("examined only: the position stays") << -1 << 40 << 9 << 7;
    QTest::newRow("the first record") << 0 << 40 << 9 << 0;
    // A foreign file may hold any byte; the session keeps it as the record has it.
    QTest::newRow("damaged bytes are kept as stored") << 3 << 255 << 200 << 3;
}

void TestSession::makeCurrent()
{
    QFETCH(int, index);
    QFETCH(int, bonus);
    QFETCH(int, superNumber);
    QFETCH(int, expectedPosition);

    Session session = busySession();
    const Session before = session;
    const Draw draw = makeDraw(QDate(2021, 6, 12), {9, 19, 29, 31, 41, 49}, bonus, superNumber);
    if (index < 0)
        session.makeCurrent(draw);
    else
        session.makeCurrent(draw, index);

    QCOMPARE(session.drawDate, DateSerial::fromDate(QDate(2021, 6, 12)));
    QCOMPARE(session.numbers, (std::array<qint32, 9>{0, 9, 19, 29, 31, 41, 49, bonus, superNumber}));
    QCOMPARE(session.position, expectedPosition);

    // The counting window is the user's choice, not the draw's; the rating
    // on record stays until the board is rated against the new draw.
    QCOMPARE(session.workingDate, before.workingDate);
    QCOMPARE(session.windowEnd, before.windowEnd);
    QCOMPARE(session.runLimit, before.runLimit);
    QCOMPARE(session.ratingOn, before.ratingOn);
    QCOMPARE(session.lastRating.gewinn, before.lastRating.gewinn);
    QCOMPARE(session.lastRating.statistik, before.lastRating.statistik);
    QCOMPARE(session.ticket.number, before.ticket.number);
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
