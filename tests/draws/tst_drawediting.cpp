#include "DrawFixture.h"

#include "draws/DateSerial.h"
#include "draws/DrawEditing.h"
#include "draws/DrawLocator.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

double serial(const QDate& date)
{
    return DateSerial::fromDate(date);
}

// A recognisable record per date: its last number is the day of the month.
Draw storedDraw(const QDate& date)
{
    Draw draw = makeDraw(date, {1, 2, 3, 4, 5, date.day() + 10}, 7, 3);
    draw.spiel77 = {1, 2, 3, 4, 5, 6, 7};
    draw.reserve = {9, 9, 9};
    return draw;
}

std::vector<Draw> storedDraws(const QList<QDate>& dates)
{
    std::vector<Draw> draws;
    for (const QDate& date : dates)
        draws.push_back(storedDraw(date));
    return draws;
}

QList<QDate> datesOf(const std::vector<Draw>& draws)
{
    QList<QDate> dates;
    for (const Draw& draw : draws)
        dates << DateSerial::toDate(draw.datum);
    return dates;
}

bool sameRecord(const Draw& a, const Draw& b)
{
    return a.datum == b.datum && a.zahlen == b.zahlen && a.spiel77 == b.spiel77 && a.super6 == b.super6
           && a.reserve == b.reserve;
}

const QDate kSat(2020, 12, 5);
const QDate kWed(2020, 12, 9);
const QDate kSat2(2020, 12, 12);

} // namespace

class TestDrawEditing : public QObject {
    Q_OBJECT

private slots:
    void reference_data();
    void reference();
    void insertOrReplace_data();
    void insertOrReplace();
    void withoutDate_data();
    void withoutDate();
    void storeEntryAppendsOrRewrites_data();
    void storeEntryAppendsOrRewrites();
    void deletingLatestMakesThePreviousCurrent();
    void unreadableDatabaseIsReportedAndNotCreated();
};

void TestDrawEditing::reference_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("stored draw of the day") << kWed << kWed;
    QTest::newRow("no draw that day: the latest") << kWed.addDays(1) << kSat2;
    QTest::newRow("before every draw: the latest") << kSat.addDays(-30) << kSat2;
}

void TestDrawEditing::reference()
{
    QFETCH(QDate, day);
    QFETCH(QDate, expected);
    const auto draw = referenceDraw(storedDraws({kSat, kWed, kSat2}), serial(day));
    QVERIFY(draw.has_value());
    QCOMPARE(DateSerial::toDate(draw->datum), expected);
    QVERIFY(!referenceDraw({}, serial(day)).has_value());
}

void TestDrawEditing::insertOrReplace_data()
{
    QTest::addColumn<QList<QDate>>("stored");
    QTest::addColumn<QDate>("entry");
    QTest::addColumn<bool>("append");
    QTest::addColumn<QList<QDate>>("expected"); // the new content when rewritten

    QTest::newRow("later than every draw: append") << QList<QDate>{kSat, kWed} << kSat2 << true << QList<QDate>{};
    QTest::newRow("empty database: append") << QList<QDate>{} << kSat << true << QList<QDate>{};
    QTest::newRow("same date as the latest: replace")
        << QList<QDate>{kSat, kWed} << kWed << false << QList<QDate>{kSat, kWed};
    QTest::newRow("between two draws: insert")
        << QList<QDate>{kSat, kSat2} << kWed << false << QList<QDate>{kSat, kWed, kSat2};
    QTest::newRow("before every draw: first") << QList<QDate>{kWed, kSat2} << kSat << false << QList<QDate>{kSat, kWed, kSat2};

    // 28.05.1986 is a Wednesday before the cut, 04.06.1986 the first one kept.
    const QDate oldWed(1986, 5, 28), oldSat(1986, 5, 31), cutWed(1986, 6, 4), laterSat(1986, 6, 7);
    QTest::newRow("rewrite drops Wednesday draws before 04.06.1986")
        << QList<QDate>{oldWed, oldSat, cutWed, laterSat} << QDate(1986, 6, 1) << false
        << QList<QDate>{oldSat, QDate(1986, 6, 1), cutWed, laterSat};
    QTest::newRow("entry before nothing but a dropped draw is kept")
        << QList<QDate>{QDate(1985, 1, 2)} << QDate(1984, 12, 29) << false << QList<QDate>{QDate(1984, 12, 29)};
    QTest::newRow("an entered early Wednesday is not dropped")
        << QList<QDate>{QDate(1990, 1, 6)} << QDate(1985, 1, 2) << false
        << QList<QDate>{QDate(1985, 1, 2), QDate(1990, 1, 6)};
}

void TestDrawEditing::insertOrReplace()
{
    QFETCH(QList<QDate>, stored);
    QFETCH(QDate, entry);
    QFETCH(bool, append);
    QFETCH(QList<QDate>, expected);

    const std::vector<Draw> before = storedDraws(stored);
    Draw typed = makeDraw(entry, {40, 3, 17, 9, 22, 1}, 5, 8);
    typed.super6 = {1, 2, 3, 4, 5, 6};
    const EntryResult result = ::insertOrReplace(before, typed);

    // Numbers sorted; bonus, super number and games untouched.
    QVERIFY((result.record.zahlen == std::array<std::uint8_t, 8>{1, 3, 9, 17, 22, 40, 5, 8}));
    QVERIFY(result.record.super6 == typed.super6);
    QCOMPARE(result.record.datum, typed.datum);
    QCOMPARE(result.append, append);
    if (append)
        return;

    QCOMPARE(datesOf(result.draws), expected);
    for (const Draw& draw : result.draws) {
        if (draw.datum == typed.datum) {
            QVERIFY(sameRecord(draw, result.record));
            continue;
        }
        const auto original = std::find_if(before.begin(), before.end(), [&](const Draw& d) { return d.datum == draw.datum; });
        QVERIFY(original != before.end());
        QVERIFY2(sameRecord(draw, *original), "a record that stays must stay byte for byte");
    }
}

void TestDrawEditing::withoutDate_data()
{
    QTest::addColumn<QList<QDate>>("stored");
    QTest::addColumn<QDate>("deleted");
    QTest::addColumn<QList<QDate>>("expected");
    QTest::newRow("latest") << QList<QDate>{kSat, kWed, kSat2} << kSat2 << QList<QDate>{kSat, kWed};
    QTest::newRow("middle") << QList<QDate>{kSat, kWed, kSat2} << kWed << QList<QDate>{kSat, kSat2};
    QTest::newRow("every record of a doubled date") << QList<QDate>{kSat, kWed, kWed} << kWed << QList<QDate>{kSat};
    QTest::newRow("date not stored: nothing lost") << QList<QDate>{kSat, kSat2} << kWed << QList<QDate>{kSat, kSat2};
}

void TestDrawEditing::withoutDate()
{
    QFETCH(QList<QDate>, stored);
    QFETCH(QDate, deleted);
    QFETCH(QList<QDate>, expected);
    QCOMPARE(datesOf(::withoutDate(storedDraws(stored), serial(deleted))), expected);
}

void TestDrawEditing::storeEntryAppendsOrRewrites_data()
{
    QTest::addColumn<QDate>("entry");
    QTest::addColumn<QList<QDate>>("expected");
    QTest::newRow("append") << kSat2 << QList<QDate>{kSat, kWed, kSat2};
    QTest::newRow("replace through the temp file") << kSat << QList<QDate>{kSat, kWed};
}

void TestDrawEditing::storeEntryAppendsOrRewrites()
{
    QFETCH(QDate, entry);
    QFETCH(QList<QDate>, expected);
    QTemporaryDir dir;
    const DrawFile file(writeDatabase(dir.path(), storedDraws({kSat, kWed})));
    QVERIFY(storeEntry(file, makeDraw(entry, {49, 48, 47, 1, 2, 3}, 4)).isEmpty());

    const auto after = file.readAll();
    QVERIFY(after.has_value());
    QCOMPARE(datesOf(*after), expected);
    const Draw& stored = *std::find_if(after->begin(), after->end(), [&](const Draw& d) { return d.datum == serial(entry); });
    QCOMPARE(stored.number(0), 1);
    QCOMPARE(stored.number(5), 49);
    QVERIFY(!QFile::exists(file.path() + "~"));
}

void TestDrawEditing::deletingLatestMakesThePreviousCurrent()
{
    QTemporaryDir dir;
    const DrawFile file(writeDatabase(dir.path(), storedDraws({kSat, kWed, kSat2})));
    QVERIFY(deleteDrawsOf(file, serial(kSat2)).isEmpty());
    QVERIFY(!QFile::exists(dir.filePath("Zahlen.da~")));

    const auto after = file.readAll();
    QVERIFY(after.has_value());
    QCOMPARE(datesOf(*after), (QList<QDate>{kSat, kWed}));
    // The end-date picker still holds the deleted date.
    const auto current = locateDraw(*after, serial(kSat2));
    QVERIFY(current.has_value());
    QCOMPARE(DateSerial::toDate(current->draw.datum), kWed);
}

void TestDrawEditing::unreadableDatabaseIsReportedAndNotCreated()
{
    QTemporaryDir dir;
    const DrawFile file(dir.filePath("ZahlenOB.dat"));
    QVERIFY(!storeEntry(file, storedDraw(kSat)).isEmpty());
    QVERIFY(!deleteDrawsOf(file, serial(kSat)).isEmpty());
    QVERIFY(!file.exists());
    QVERIFY(QDir(dir.path()).isEmpty());
}

QTEST_GUILESS_MAIN(TestDrawEditing)
#include "tst_drawediting.moc"
