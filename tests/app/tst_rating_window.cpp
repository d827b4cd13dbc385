#include "app/pages/DatenbankPage.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"

#include "WindowFixture.h"

#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace {

using Cells = QStringList; // six cell texts of one row

const QColor kGreen(0, 255, 0);
const QColor kYellow(255, 255, 0);
const QColor kRed(255, 0, 0);

// Three draws in date order: Saturday, Wednesday, Saturday.
std::vector<Draw> threeDraws()
{
    return {makeDraw(QDate(2020, 12, 5), {3, 11, 17, 25, 38, 44}, 7, 2),
            makeDraw(QDate(2020, 12, 9), {1, 2, 3, 4, 5, 6}, 9, 4),
            makeDraw(QDate(2020, 12, 12), {10, 20, 30, 40, 41, 42}, 43, 8)};
}

} // namespace

class RatingWindowTest : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typedRowIsSortedSummedAndColoured();
    void rowRating_data();
    void rowRating();
    void leavingACellWithRatingOffChangesNothing();
    void chosenDateSelectsDraw_data();
    void chosenDateSelectsDraw();
    void missingDatabaseIsCreatedEmpty();
    void unreadableDatabaseIsReported();
    void soundPerRowFromProgramFolder();

private:
    // Sets the picker and clicks SpeedButton5, as the user does.
    void chooseDate(const QDate& date);
    void setRow(int row, const Cells& cells);
    Cells rowTexts(int row) const;
    TipBoard* board() const { return window_->tipBoard(); }
    QColor neutral() const { return board()->palette().color(QPalette::Base); }
};

void RatingWindowTest::init()
{
    // Separate folders, so a sound looked for in the wrong one shows.
    QVERIFY(setUp(Folders::Separate));
    // Never shown: the first show would run the whole start-up sequence.
    window_ = makeWindow();
    window_->session().ratingOn = true;
}

void RatingWindowTest::cleanup()
{
    tearDown();
}

void RatingWindowTest::chooseDate(const QDate& date)
{
    control<QDateEdit>(QStringLiteral("DateTimePicker1"))->setDate(date);
    // Never laid out on screen, the button may have no area for a mouse click.
    control<QToolButton>(QStringLiteral("SpeedButton5"))->click();
}

void RatingWindowTest::setRow(int row, const Cells& cells)
{
    for (int k = 1; k <= 6; ++k)
        board()->setCellText(row, k, cells.value(k - 1));
}

Cells RatingWindowTest::rowTexts(int row) const
{
    Cells texts;
    for (int k = 1; k <= 6; ++k)
        texts << board()->cellText(row, k);
    return texts;
}

void RatingWindowTest::typedRowIsSortedSummedAndColoured()
{
    QVERIFY(!writeDatabase(home_, {makeDraw(QDate(2020, 12, 5), {3, 11, 20, 30, 40, 45}, 17)})
                 .isEmpty());
    chooseDate(QDate(2020, 12, 5));

    // Row 3 starts at Edit13; focus leaves every cell after its number.
    const QStringList typed{"44", "3", "25", "11", "38", "17"};
    for (int k = 0; k < 6; ++k) {
        auto* cell = control<QLineEdit>(QStringLiteral("Edit%1").arg(13 + k));
        QVERIFY(cell);
        QTest::keyClicks(cell, typed[k]);
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(cell, &leave);
    }

    QCOMPARE(rowTexts(3), (Cells{"3", "11", "17", "25", "38", "44"}));
    QCOMPARE(control<QLabel>(QStringLiteral("Label38"))->text(), QStringLiteral("138"));
    QCOMPARE(control<QLabel>(QStringLiteral("Label24"))->text(), QStringLiteral("2 + B"));
    const QList<QColor> expected{kGreen, kGreen, kYellow, neutral(), neutral(), neutral()};
    for (int k = 1; k <= 6; ++k)
        QCOMPARE(board()->cellColor(3, k), expected[k - 1]);
    QCOMPARE(board()->hitsColor(3), QColor(Qt::black));
    QCOMPARE(window_->session().lastRating.statistik[2][1], 1);
}

void RatingWindowTest::rowRating_data()
{
    // Against the draw 3 11 17 25 38 44, bonus 7. States per cell after
    // sorting: 1 drawn number (green), 2 bonus (yellow), 0 neither.
    QTest::addColumn<Cells>("cells");
    QTest::addColumn<Cells>("shown");
    QTest::addColumn<QString>("states");
    QTest::addColumn<QString>("hits");
    QTest::addColumn<bool>("red");
    QTest::addColumn<QString>("crossSum");
    QTest::addColumn<int>("counted"); // Statistik entry hits*2 + bonus, -1 for none

    const Cells drawn{"3", "11", "17", "25", "38", "44"};
    QTest::newRow("equal to the draw") << drawn << drawn << "111111" << "6" << true << "138" << 12;
    QTest::newRow("bonus alone") << Cells{"6", "5", "7", "4", "2", "1"}
                                 << Cells{"1", "2", "4", "5", "6", "7"} << "000002" << "0 + B"
                                 << false << "25" << 1;
    QTest::newRow("three and bonus") << Cells{"17", "7", "1", "11", "3", "2"}
                                     << Cells{"1", "2", "3", "7", "11", "17"} << "001211"
                                     << "3 + B" << true << "41" << 7;
    QTest::newRow("two hits stay black") << Cells{"48", "3", "49", "46", "11", "47"}
                                         << Cells{"3", "11", "46", "47", "48", "49"} << "110000"
                                         << "2" << false << "204" << 4;
    QTest::newRow("empty cell") << Cells{"44", "3", "", "11", "38", "17"}
                                << Cells{"44", "3", "", "11", "38", "17"} << "000000" << ""
                                << false << "" << -1;
}

void RatingWindowTest::rowRating()
{
    QFETCH(Cells, cells);
    QFETCH(Cells, shown);
    QFETCH(QString, states);
    QFETCH(QString, hits);
    QFETCH(bool, red);
    QFETCH(QString, crossSum);
    QFETCH(int, counted);

    window_->session().numbers = {0, 3, 11, 17, 25, 38, 44, 7, 5};
    // Leftovers of an earlier rating, which must not survive this one.
    for (int k = 1; k <= 6; ++k)
        board()->setCellColor(5, k, kGreen);
    board()->setHits(5, QStringLiteral("4"), kRed);
    board()->setCrossSum(5, QStringLiteral("99"));

    setRow(5, cells);
    window_->Komplettcheck();

    QCOMPARE(rowTexts(5), shown);
    for (int k = 1; k <= 6; ++k) {
        const QChar state = states.at(k - 1);
        const QColor colour = state == u'1' ? kGreen : state == u'2' ? kYellow : neutral();
        QVERIFY2(board()->cellColor(5, k) == colour, qPrintable(QStringLiteral("cell %1").arg(k)));
    }
    QCOMPARE(board()->hitsText(5), hits);
    if (!hits.isEmpty())
        QCOMPARE(board()->hitsColor(5), red ? kRed : QColor(Qt::black));
    QCOMPARE(board()->crossSumText(5), crossSum);

    for (int entry = 0; entry < 14; ++entry)
        QCOMPARE(window_->session().lastRating.statistik[entry / 2][entry % 2], entry == counted ? 1 : 0);
    QCOMPARE(sound_.played.size(), red ? 1 : 0);
}

void RatingWindowTest::leavingACellWithRatingOffChangesNothing()
{
    // While the generator fills the board it switches the rating off.
    window_->session().numbers = {0, 3, 11, 17, 25, 38, 44, 7, 5};
    window_->session().ratingOn = false;
    setRow(1, {"44", "38", "25", "17", "11", "3"});
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(control<QLineEdit>(QStringLiteral("Edit6")), &leave);

    QCOMPARE(rowTexts(1), (Cells{"44", "38", "25", "17", "11", "3"}));
    QCOMPARE(board()->hitsText(1), QString());
    QCOMPARE(board()->cellColor(1, 1), neutral());
    QVERIFY(sound_.played.isEmpty());
}

void RatingWindowTest::chosenDateSelectsDraw_data()
{
    QTest::addColumn<QDate>("chosen");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("crossSum");

    // The file's first draw gets one blank more after its date.
    const QString first = QStringLiteral("Sa 05.12.20     3  11  17  25  38  44 SZ:2");
    const QString second = QStringLiteral("Mi 09.12.20    1  2  3  4  5  6 SZ:4");
    const QString last = QStringLiteral("Sa 12.12.20    10  20  30  40  41  42 SZ:8");
    QTest::newRow("before the first draw") << QDate(2019, 1, 1) << 0 << first << "QS: 138";
    QTest::newRow("on the first draw") << QDate(2020, 12, 5) << 0 << first << "QS: 138";
    QTest::newRow("on a draw") << QDate(2020, 12, 9) << 1 << second << "QS: 21";
    QTest::newRow("between two draws") << QDate(2020, 12, 6) << 1 << second << "QS: 21";
    QTest::newRow("after the last draw") << QDate(2021, 3, 1) << 2 << last << "QS: 183";
}

void RatingWindowTest::chosenDateSelectsDraw()
{
    QFETCH(QDate, chosen);
    QFETCH(int, position);
    QFETCH(QString, line);
    QFETCH(QString, crossSum);

    const std::vector<Draw> draws = threeDraws();
    QVERIFY(!writeDatabase(home_, draws).isEmpty());
    setRow(1, {"6", "5", "4", "3", "2", "1"});
    chooseDate(chosen);

    const Draw& expected = draws[std::size_t(position)];
    QCOMPARE(window_->session().position, position);
    QCOMPARE(window_->session().drawDate, expected.datum);
    QCOMPARE(window_->session().workingDate, DateSerial::fromDate(chosen));
    for (int i = 1; i <= 8; ++i)
        QCOMPARE(window_->session().numbers[i], int(expected.zahlen[std::size_t(i - 1)]));
    QCOMPARE(control<QLabel>(QStringLiteral("Label29"))->text(), line);
    QCOMPARE(control<QLabel>(QStringLiteral("Label35"))->text(), line);
    QCOMPARE(control<QLabel>(QStringLiteral("Label13"))->text(), crossSum);
    QCOMPARE(control<QDateEdit>(QStringLiteral("DateTimePicker1"))->date(),
             DateSerial::toDate(expected.datum));
    // The board is rated against the draw just chosen.
    QCOMPARE(rowTexts(1), (Cells{"1", "2", "3", "4", "5", "6"}));
    QVERIFY(!board()->hitsText(1).isEmpty());
    QVERIFY(dialogs_.messages.isEmpty());
}

void RatingWindowTest::missingDatabaseIsCreatedEmpty()
{
    window_->session().numbers = {0, 1, 2, 3, 4, 5, 6, 7, 8};
    setRow(1, {"6", "5", "4", "3", "2", "1"});
    const QString path = home_ + QStringLiteral("ZahlenOB.dat");
    QVERIFY(!QFileInfo::exists(path));

    chooseDate(QDate(2020, 12, 5));

    QCOMPARE(dialogs_.messages, QStringList{"Lesen Sie zuerst die Daten der Ziehungen ein"});
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
    QCOMPARE(rowTexts(1), (Cells{"6", "5", "4", "3", "2", "1"})); // not rated
    QCOMPARE(window_->session().numbers[1], 1);

    // The second time the empty database is there: no message, and the
    // board is rated against the draw it had.
    chooseDate(QDate(2020, 12, 5));
    QCOMPARE(dialogs_.messages.size(), 1);
    QCOMPARE(rowTexts(1), (Cells{"1", "2", "3", "4", "5", "6"}));
    QCOMPARE(board()->hitsText(1), QStringLiteral("6"));
}

void RatingWindowTest::unreadableDatabaseIsReported()
{
    // A folder in the database's place exists but cannot be read as a file.
    QVERIFY(QDir(home_).mkdir(QStringLiteral("ZahlenOB.dat")));
    window_->session().numbers = {0, 1, 2, 3, 4, 5, 6, 7, 8};
    window_->session().position = 17;
    const QString lineBefore = control<QLabel>(QStringLiteral("Label29"))->text();

    chooseDate(QDate(2020, 12, 5));

    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY(!dialogs_.messages.first().isEmpty());
    QVERIFY(dialogs_.messages.first() != QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein"));
    QCOMPARE(window_->session().position, 17);
    QCOMPARE(window_->session().numbers[1], 1);
    QCOMPARE(control<QLabel>(QStringLiteral("Label29"))->text(), lineBefore);
}

void RatingWindowTest::soundPerRowFromProgramFolder()
{
    window_->session().numbers = {0, 3, 11, 17, 25, 38, 44, 7, 5};
    setRow(2, {"3", "11", "17", "1", "2", "4"});
    setRow(9, {"25", "38", "44", "1", "2", "4"});
    setRow(4, {"3", "11", "1", "2", "4", "5"}); // two hits: silent
    window_->Komplettcheck();

    const QString sound = programDir_ + QStringLiteral("yippee.wav");
    QCOMPARE(sound_.played, (QStringList{sound, sound}));
    QCOMPARE(window_->session().lastRating.statistik[3][0], 2);
    QCOMPARE(board()->hitsColor(2), kRed);
    QCOMPARE(board()->hitsColor(4), QColor(Qt::black));
}

QTEST_MAIN(RatingWindowTest)
#include "tst_rating_window.moc"
