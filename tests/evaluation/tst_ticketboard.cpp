#include "draws/DateSerial.h"
#include "evaluation/BoardRating.h"
#include "evaluation/TicketReport.h"

#include "DrawFixture.h"

#include <QRegularExpression>
#include <QTest>

namespace {

// 04.05.2013: the first draw without the bonus number.
Draw superEraDraw()
{
    Draw draw = makeDraw(QDate(2013, 5, 4), {5, 7, 11, 21, 22, 48}, 0, 8);
    draw.spiel77 = {1, 2, 3, 4, 5, 6, 7};
    draw.super6 = {9, 9, 9, 9, 9, 9};
    return draw;
}

BoardRows board(const QList<QStringList>& rows)
{
    BoardRows out;
    for (int r = 0; r < rows.size() && r < 12; ++r)
        for (int k = 0; k < 6; ++k)
            out[std::size_t(r)][std::size_t(k)] = rows[r].value(k);
    return out;
}

const QLocale german(QLocale::German, QLocale::Germany);

} // namespace

class TestTicketBoard : public QObject {
    Q_OBJECT
private slots:
    void rowClasses_data();
    void rowClasses();
    void classesStayWithTheirRows();
    void digitGameTexts_data();
    void digitGameTexts();
    void costLines_data();
    void costLines();
    void runReportListsTheRunsDraws();
};

void TestTicketBoard::rowClasses_data()
{
    QTest::addColumn<Draw>("draw");
    QTest::addColumn<QStringList>("row");
    QTest::addColumn<QString>("losnummer");
    QTest::addColumn<int>("prizeClass");

    const QStringList four{"5", "7", "11", "21", "30", "40"};
    QTest::newRow("4 + SZ") << superEraDraw() << four << "1234568" << 5;
    QTest::newRow("4, other SZ") << superEraDraw() << four << "1234563" << 6;
    QTest::newRow("4, invalid number") << superEraDraw() << four << "123456" << 6;
    QTest::newRow("2 + SZ") << superEraDraw() << QStringList{"1", "2", "3", "4", "5", "7"} << "0000008" << 9;
    QTest::newRow("2 + SZ, no number") << superEraDraw() << QStringList{"1", "2", "3", "4", "5", "7"} << ""
                                       << 0;
    QTest::newRow("5 + ZZ, older rules")
        << makeDraw(QDate(2013, 5, 1), {9, 12, 15, 16, 22, 28}, 5, 9)
        << QStringList{"5", "9", "12", "15", "16", "22"} << "1234567" << 3;
    // A 0 on the ticket is an unused place: it does not meet a 0 in a damaged record.
    QTest::newRow("0 in row and record")
        << makeDraw(QDate(2013, 5, 4), {0, 7, 11, 21, 22, 48}, 0, 8)
        << QStringList{"0", "7", "11", "21", "30", "40"} << "1234568" << 7;
    QTest::newRow("no table before 22.05.1999")
        << makeDraw(QDate(1999, 5, 15), {1, 2, 3, 4, 5, 6}, 7, 1) << QStringList{"1", "2", "3", "4", "5", "6"}
        << "0000001" << 0;
}

void TestTicketBoard::rowClasses()
{
    QFETCH(Draw, draw);
    QFETCH(QStringList, row);
    QFETCH(QString, losnummer);
    QFETCH(int, prizeClass);

    const BoardRating rating = rateBoard(board({row}), draw, {losnummer, false, false});
    QCOMPARE(rating.rows[0].prize.prizeClass, prizeClass);
    QCOMPARE(rating.ticket.perClass[std::size_t(prizeClass)], 1);
    QCOMPARE(rating.validRows, 1);
}

// Empty and broken rows are not on the ticket, and every class is shown on
// the row that won it, not on the n-th row of the board.
void TestTicketBoard::classesStayWithTheirRows()
{
    const Draw draw = superEraDraw();
    const BoardRows rows = board({{},
                                  {"1", "2", "3", "4", "5", "7"},
                                  {"5", "7", "", "21", "30", "40"},
                                  {"40", "30", "21", "11", "7", "5"},
                                  {"10", "20", "30", "40", "41", "42"}});
    const BoardRating rating = rateBoard(rows, draw, {"1234568", false, false});
    QCOMPARE(rating.validRows, 3);
    QCOMPARE(rating.rows[1].prize.prizeClass, 9);
    QCOMPARE(rating.rows[2].prize.prizeClass, 0);
    QCOMPARE(rating.rows[3].prize.prizeClass, 5);
    QCOMPARE(rating.rows[4].prize.prizeClass, 0);
    QCOMPARE(rating.rows[3].cellState, (std::array<quint8, 6>{1, 1, 1, 1, 0, 0}));
    QCOMPARE(TicketReport::classesText(rating.ticket), QStringLiteral("Gewinnklassen: Kl. 5 ×1, Kl. 9 ×1"));

    const BoardRating none = rateBoard(board({{"10", "20", "30", "40", "41", "42"}}), draw,
                                       {"1234568", false, false});
    QCOMPARE(TicketReport::classesText(none.ticket), QStringLiteral("Gewinnklassen: keine"));
    const Draw old = makeDraw(QDate(1990, 1, 6), {1, 2, 3, 4, 5, 6}, 7, 0);
    const BoardRating early = rateBoard(board({{"1", "2", "3", "4", "5", "6"}}), old, {});
    QVERIFY(TicketReport::classesText(early.ticket).contains(QStringLiteral("22.05.1999")));
}

void TestTicketBoard::digitGameTexts_data()
{
    QTest::addColumn<QString>("losnummer");
    QTest::addColumn<bool>("digits");
    QTest::addColumn<QString>("spiel77");
    QTest::addColumn<QString>("super6");

    QTest::newRow("last digits match") << "9999567" << true << "Spiel 77: Kl. 5, 77,00 €"
                                       << "Super 6: kein Gewinn";
    QTest::newRow("all seven: the jackpot") << "1234567" << true << "Spiel 77: Kl. 1, Jackpot"
                                            << "Super 6: kein Gewinn";
    QTest::newRow("super 6 class 1") << "0999999" << true << "Spiel 77: kein Gewinn"
                                     << "Super 6: Kl. 1, 100.000,00 €";
    QTest::newRow("draw without the games")
        << "1234567" << false << "Spiel 77: Die Ziehung enthält keine Zahlen für dieses Spiel."
        << "Super 6: Die Ziehung enthält keine Zahlen für dieses Spiel.";
    QTest::newRow("invalid number") << "12345" << true << "Spiel 77: ohne gültige Losnummer nicht auszuwerten"
                                    << "Super 6: ohne gültige Losnummer nicht auszuwerten";
}

void TestTicketBoard::digitGameTexts()
{
    QFETCH(QString, losnummer);
    QFETCH(bool, digits);
    QFETCH(QString, spiel77);
    QFETCH(QString, super6);

    Draw draw = superEraDraw();
    if (!digits) {
        draw.spiel77 = {};
        draw.super6 = {};
    }
    const TicketPlay play{losnummer, true, true};
    const TicketDrawResult result = rateTicket(std::vector<TicketRow>{}, draw, play);
    QCOMPARE(TicketReport::spiel77Text(result, play, draw, german), spiel77);
    QCOMPARE(TicketReport::super6Text(result, play, draw, german), super6);
    // A game the ticket does not play says nothing.
    const TicketPlay neither{losnummer, false, false};
    QVERIFY(TicketReport::spiel77Text(result, neither, draw, german).isEmpty());
    QVERIFY(TicketReport::super6Text(result, neither, draw, german).isEmpty());
}

void TestTicketBoard::costLines_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("games");
    QTest::addColumn<int>("weeks");
    QTest::addColumn<int>("days");
    QTest::addColumn<QString>("fee");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("12 rows, both games, 4 weeks Wed + Sat")
        << 12 << true << 4 << int(DrawDays::Both) << "1,00"
        << QStringList{"Einsatz je Ziehung: 12 Reihen × 1,20 € + 2,50 € (Spiel 77) + 1,25 € (Super 6) = 18,15 €",
                       "Einsatz für 8 Ziehungen: 8 × 18,15 € + 1,00 € Gebühr = 146,20 €"};
    QTest::newRow("one row on Saturdays")
        << 1 << false << 1 << int(DrawDays::Saturday) << "0,50"
        << QStringList{"Einsatz je Ziehung: 1 Reihen × 1,20 € = 1,20 €",
                       "Einsatz für 1 Ziehungen: 1 × 1,20 € + 0,50 € Gebühr = 1,70 €"};
    QTest::newRow("until changed: per week")
        << 2 << false << 0 << int(DrawDays::Both) << "1"
        << QStringList{"Einsatz je Ziehung: 2 Reihen × 1,20 € = 2,40 €",
                       "Bis auf Widerruf, je Woche 2 Ziehungen: 2 × 2,40 € + 1,00 € Gebühr = 5,80 €"};
    QTest::newRow("a fee that is no amount")
        << 1 << false << 2 << int(DrawDays::Wednesday) << "zwei Euro"
        << QStringList{"Die Gebühr „zwei Euro“ ist kein Betrag; der Einsatz ist ohne Gebühr gerechnet.",
                       "Einsatz je Ziehung: 1 Reihen × 1,20 € = 1,20 €",
                       "Einsatz für 2 Ziehungen: 2 × 1,20 € + 0,00 € Gebühr = 2,40 €"};
}

void TestTicketBoard::costLines()
{
    QFETCH(int, rows);
    QFETCH(bool, games);
    QFETCH(int, weeks);
    QFETCH(int, days);
    QFETCH(QString, fee);
    QFETCH(QStringList, lines);

    const TicketRun run{0.0, weeks, DrawDays(days)};
    QCOMPARE(TicketReport::costLines(rows, {"1234567", games, games}, run, fee, german), lines);
}

// 12 rows for 4 weeks on Wednesday and Saturday: the report has exactly the
// run's eight stored draws, with the classes of each.
void TestTicketBoard::runReportListsTheRunsDraws()
{
    std::vector<Draw> draws;
    const QDate first(2026, 7, 1); // a Wednesday
    for (QDate day = first.addDays(-7); day <= first.addDays(35); day = day.addDays(1))
        if (day.dayOfWeek() == Qt::Wednesday || day.dayOfWeek() == Qt::Saturday)
            draws.push_back(makeDraw(day, {1, 2, 3, 4, 5, 6}, 0, day == first.addDays(3) ? 7 : 1));
    const std::vector<TicketRow> rows(12, TicketRow{1, 2, 3, 7, 8, 9});
    const TicketRun run{DateSerial::fromDate(first), 4, DrawDays::Both};

    const QStringList report = TicketReport::runReport(rows, draws, run, {"0000007", false, false}, "1,00", german);
    QCOMPARE(report.first(), QStringLiteral("Schein mit 12 Reihen, Losnummer 0000007, ab 01.07.2026, "
                                            "Mittwoch + Samstag, 4 Wochen"));
    const QStringList drawLines = report.filter(QRegularExpression(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4}: ")));
    QCOMPARE(drawLines.size(), 8);
    QCOMPARE(drawLines.first(), QStringLiteral("01.07.2026: Gewinnklassen: Kl. 8 ×12"));
    QCOMPARE(drawLines.at(1), QStringLiteral("04.07.2026: Gewinnklassen: Kl. 7 ×12"));
    QCOMPARE(drawLines.last(), QStringLiteral("25.07.2026: Gewinnklassen: Kl. 8 ×12"));
    QVERIFY(report.contains(QStringLiteral("Einsatz für 8 Ziehungen: 8 × 14,40 € + 1,00 € Gebühr = 116,20 €")));

    const TicketRun later{DateSerial::fromDate(QDate(2027, 1, 2)), 1, DrawDays::Saturday};
    QVERIFY(TicketReport::runReport(rows, draws, later, {}, "0,50", german)
                .contains(QStringLiteral("Noch keine Ziehung des Scheins in der Datenbank.")));
}

QTEST_APPLESS_MAIN(TestTicketBoard)
#include "tst_ticketboard.moc"
