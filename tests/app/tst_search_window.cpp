#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "platform/Chart1.h"
#include "text/TextLine.h"

#include "WindowFixture.h"

#include <QFile>
#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace {

const QStringList kDrawn{"3", "11", "17", "25", "38", "44"};

} // namespace

class SearchWindowTest : public QObject, private WindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void foundDraws_data();
    void foundDraws();
    void noAtTheFirstMessageKeepsTheFoundDraw();
    void thresholdThatIsNoNumber();
    void missingDatabase();

private:
    void setRow(int row, const QStringList& cells);
    void search(const QString& threshold);
    // A found message as "yyyy-mm-dd|row|its numbers|hits".
    QString found(const QString& message) const
    {
        const QStringList f = message.split(QLatin1Char('|'));
        return window_->text(8) + QLatin1Char('|') + window_->text(6)
               + QDate::fromString(f[0], Qt::ISODate).toString(QStringLiteral("dd.MM.yyyy"))
               + QLatin1Char('\n') + window_->text(108).arg(f[1], f[2], f[3]) + QLatin1Char('\n')
               + (f.value(4).isEmpty() ? QString() : window_->text(TextLine::PrizeClass).arg(f[4]) + QLatin1Char('\n'))
               + window_->text(7);
    }
};

void SearchWindowTest::init()
{
    // Separate folders: the database is read from home only.
    QVERIFY(setUp(Folders::Separate));
    window_ = makeWindow();
    window_->session().ratingOn = true;
    window_->diagrammPage()->setStartDate(QDate(2020, 12, 1));
    window_->datenbankPage()->setEndDate(QDate(2020, 12, 31));
}

void SearchWindowTest::cleanup()
{
    tearDown();
}

void SearchWindowTest::setRow(int row, const QStringList& cells)
{
    for (int k = 1; k <= 6; ++k)
        window_->tipBoard()->setCellText(row, k, cells.value(k - 1));
}

void SearchWindowTest::search(const QString& threshold)
{
    dialogs_.inputAnswers.enqueue(threshold);
    control<QToolButton>(QStringLiteral("SpeedButton4"))->click();
}

void SearchWindowTest::foundDraws_data()
{
    QTest::addColumn<bool>("saturdays");
    QTest::addColumn<bool>("wednesdays");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<QStringList>("messages"); // one per qualifying row, all answered Yes:
                                               // date|row|numbers|hits[|prize class]

    // Row 1 is the Saturday, Tuesday and Thursday draw, row 2 shares three
    // numbers with the Wednesday draw; the other ten rows are empty. The
    // message names the row as the rating sorted it.
    const QString row1 = QStringLiteral("|1|3 11 17 25 38 44|");
    const QString row2 = QStringLiteral("|2|1 2 3 30 31 32|");
    QTest::newRow("both boxes: never Tuesday or Thursday")
        << true << true << "6" << QStringList{"2020-12-05" + row1 + "6|2"};
    QTest::newRow("Saturdays only") << true << false << "3" << QStringList{"2020-12-05" + row1 + "6|2"};
    QTest::newRow("Wednesdays only") << false << true << "3" << QStringList{"2020-12-09" + row2 + "3|8"};
    QTest::newRow("neither box") << false << false << "0" << QStringList{};
    QTest::newRow("threshold 7: never") << true << true << "7" << QStringList{};
    QStringList everyRow;
    // Without a ticket number: 6 is class 2, 3 class 8.
    for (const auto& [date, hits1, hits2] : {std::tuple{"2020-12-05", "6|2", "1"},
                                              std::tuple{"2020-12-09", "1", "3|8"},
                                              std::tuple{"2020-12-12", "0", "1"}}) {
        everyRow << date + row1 + hits1 << date + row2 + hits2;
        for (int row = 3; row <= 12; ++row)
            everyRow << QStringLiteral("%1|%2||0").arg(date).arg(row);
    }
    QTest::newRow("threshold 0: every row, empty ones too") << true << true << " 0 " << everyRow;
}

void SearchWindowTest::foundDraws()
{
    QFETCH(bool, saturdays);
    QFETCH(bool, wednesdays);
    QFETCH(QString, threshold);
    QFETCH(QStringList, messages);

    QVERIFY(writeDraws(decemberWeekdays()));
    window_->datenbankPage()->setSaturdays(saturdays);
    window_->datenbankPage()->setWednesdays(wednesdays);
    setRow(1, {"44", "38", "25", "17", "11", "3"});
    setRow(2, {"1", "2", "3", "30", "31", "32"});
    window_->session().position = 3;
    for (int i = 0; i < messages.size(); ++i)
        dialogs_.yesNoAnswers.enqueue(true);

    search(threshold);

    // The title names the operation, the dialog asks the question.
    QCOMPARE(dialogs_.inputPrompts,
             QStringList{window_->text(5) + "|" + window_->text(4) + "|6"});
    QStringList expected;
    for (const QString& message : messages)
        expected << found(message);
    QCOMPARE(dialogs_.questions, expected);
    QVERIFY(dialogs_.messages.isEmpty());

    // At the end: the ten zero bars, the last examined draw shown with the
    // hits of its rows, and browsing still where it was.
    const QVector<ChartBar>& bars = window_->chart()->bars(Chart1::Series2);
    QCOMPARE(bars.size(), 10);
    for (int x = 0; x < 10; ++x) {
        QCOMPARE(bars[x].x, double(x));
        QCOMPARE(bars[x].y, 0.0);
    }
    QVERIFY(window_->chart()->isActive(Chart1::Series2));
    QVERIFY(!window_->chart()->isActive(Chart1::Series1));
    QCOMPARE(window_->session().position, 3);
    if (saturdays) {
        QVERIFY(window_->datenbankPage()->drawLine().startsWith(QStringLiteral("Sa 12.12.20  ")));
        QCOMPARE(window_->lottotippPage()->drawLine(), window_->datenbankPage()->drawLine());
        QCOMPARE(window_->lottotippPage()->crossSum(), QStringLiteral("QS: 183"));
        QCOMPARE(window_->tipBoard()->hitsText(1), QStringLiteral("0"));
    }
}

void SearchWindowTest::noAtTheFirstMessageKeepsTheFoundDraw()
{
    QVERIFY(writeDraws(decemberWeekdays()));
    setRow(1, {"44", "38", "25", "17", "11", "3"});
    setRow(2, {"1", "2", "3", "4", "5", "7"}); // one hit and the bonus on the Saturday
    window_->session().position = 4;
    // The ticket's super number 0 is the draw's: 6 + SZ.
    window_->session().ticket.number = QStringLiteral("1234560");
    dialogs_.yesNoAnswers.enqueue(false);

    search(QStringLiteral("6"));

    QCOMPARE(dialogs_.questions,
             QStringList{QStringLiteral("Ziehung gefunden|Ein Treffer gefunden am :05.12.2020\n"
                                        "Reihe 1: 3 11 17 25 38 44 (6 Treffer)\nGewinnklasse 1\nWeiter?")});
    QCOMPARE(window_->session().drawDate, DateSerial::fromDate(QDate(2020, 12, 5)));
    QCOMPARE(window_->session().position, 4);
    QVERIFY(window_->datenbankPage()->drawLine().startsWith(QStringLiteral("Sa 05.12.20  ")));
    // The rating ran before the message: rows sorted, coloured, counted.
    TipBoard* board = window_->tipBoard();
    QCOMPARE(board->cellText(1, 1), QStringLiteral("3"));
    QCOMPARE(board->hitsText(1), QStringLiteral("6"));
    QCOMPARE(board->hitsColor(1), QColor(255, 0, 0));
    QCOMPARE(board->hitsText(2), QStringLiteral("1 + B"));
    QCOMPARE(board->cellColor(2, 6), QColor(255, 255, 0));
    QCOMPARE(sound_.played.size(), 1);
    QVERIFY(window_->chart()->bars(Chart1::Series2).isEmpty());

    // A new search starts from the start date again.
    dialogs_.yesNoAnswers.enqueue(false);
    search(QStringLiteral("6"));
    QCOMPARE(dialogs_.questions.size(), 2);
    QCOMPARE(dialogs_.questions.constLast(), dialogs_.questions.constFirst());
}

void SearchWindowTest::thresholdThatIsNoNumber()
{
    // Ends before the database is even looked at: there is none here.
    search(QStringLiteral("sechs"));
    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY(dialogs_.messages[0].contains(QStringLiteral("sechs")));
    QVERIFY(!QFile::exists(databasePath()));
}

void SearchWindowTest::missingDatabase()
{
    search(QStringLiteral("6"));
    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY(dialogs_.messages[0].contains(databasePath()));
    QVERIFY(!QFile::exists(databasePath()));
    QVERIFY(dialogs_.questions.isEmpty());
    QVERIFY(!window_->isBusy());
}

QTEST_MAIN(SearchWindowTest)
#include "tst_search_window.moc"
