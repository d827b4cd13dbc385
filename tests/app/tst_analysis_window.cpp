#include "app/pages/BerechnungPage.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "app/pages/LottotippPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "draws/DrawCsv.h"
#include "generator/Random.h"
#include "platform/Chart1.h"
#include "text/TextLine.h"
#include "text/TextTable.h"

#include "WindowFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

namespace {

// Saturday, Wednesday, Saturday.
std::vector<Draw> threeDraws()
{
    return {makeDraw(QDate(2020, 12, 5), {3, 11, 17, 25, 38, 44}, 7),
            makeDraw(QDate(2020, 12, 9), {1, 2, 3, 4, 5, 6}, 9),
            makeDraw(QDate(2020, 12, 12), {10, 20, 30, 40, 41, 42}, 43)};
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class AnalysisWindowTest : public QObject, private WindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void backtestReport();
    void backtestClassesWithTheTicketNumber_data();
    void backtestClassesWithTheTicketNumber();
    void backtestPasses_data();
    void backtestPasses();
    void backtestOverTheRealHistory_data();
    void backtestOverTheRealHistory();
    void backtestKeepsTipsWithoutAThree();
    void backtestBadSeed();
    void backtestWithTheRealGenerator();
    void generatorButtonStopsTheBacktest_data();
    void generatorButtonStopsTheBacktest();
    void reportThatCannotBeWritten();

    void comparisonReport();
    void comparisonNoAtFoundMessage();
    void comparisonShowsWhatMatchedBeforeAsking();
    void comparisonBadThreshold();

    void missingDatabase_data();
    void missingDatabase();
    void secondClickStops_data();
    void secondClickStops();

private:
    std::function<void()> realGenerator_;
    QString reportPath(const QString& name) const { return home_ + name; }
    QStringList reportLines() const
    {
        return QString::fromUtf8(readFile(reportPath(QStringLiteral("Test.txt"))))
            .split(QStringLiteral("\r\n"));
    }
    void click(const QString& name) { control<QAbstractButton>(name)->click(); }
    QCheckBox* checkBox20() const
    {
        return window_->berechnungPage()->findChild<QCheckBox*>(QStringLiteral("CheckBox20"));
    }
    void setRow(int row, const QStringList& cells)
    {
        for (int k = 1; k <= 6; ++k)
            window_->tipBoard()->setCellText(row, k, cells.value(k - 1));
    }
    // A stand-in for the tip generator: fixed rows, and a record of what it
    // saw when it ran.
    void fixedGenerator()
    {
        window_->backtestGenerator = [this] {
            ++generated_;
            editPoolDuringRun_ = checkBox20()->isChecked();
            randomAtStart_ << Random::global().next32();
            setRow(1, {"3", "11", "17", "25", "38", "44"});
            setRow(2, {"1", "2", "3", "4", "5", "7"});
        };
    }

    int generated_ = 0;
    bool editPoolDuringRun_ = true;
    QList<quint32> randomAtStart_;
};

void AnalysisWindowTest::init()
{
    // Separate folders: the reports must land in home, not beside the program
    // or in the working directory.
    QVERIFY(setUp(Folders::Separate));
    window_ = makeWindow();
    // Most cases use a stand-in with fixed rows; one runs the real generator.
    realGenerator_ = [this] { window_->generateTips(); };
    window_->backtestGenerator = {};
    window_->session().ratingOn = true;
    window_->diagrammPage()->setStartDate(QDate(2019, 1, 1));
    generated_ = 0;
    editPoolDuringRun_ = true;
    randomAtStart_.clear();
}

void AnalysisWindowTest::cleanup()
{
    tearDown();
}

void AnalysisWindowTest::backtestReport()
{
    QVERIFY(writeDraws(threeDraws()));
    fixedGenerator();
    checkBox20()->setChecked(true);
    window_->datenbankPage()->setEndDate(QDate(2020, 12, 2));
    dialogs_.inputAnswers.enqueue(QStringLiteral("12345"));

    click(QStringLiteral("BitBtn9"));

    // The first pass sees 05.12, the first draw from 02.12, and rates 09.12;
    // then 12.12, and 12.12 once more when the date no longer moves.
    // Row 1 hits 1 on 09.12, row 2 hits 5 on 09.12, both nothing on 12.12.
    const QStringList expected{
        "Aktuelle Einstellung brachten für Sa. bzw. Mi.",
        "0x\t=>\t4\t=>\t0",
        "0x + Bonus\t=>\t0\t=>\t0",
        "1x\t=>\t0\t=>\t1",
        "1x + Bonus\t=>\t0\t=>\t0",
        "2x\t=>\t0\t=>\t0",
        "2x + Bonus\t=>\t0\t=>\t0",
        "3x\t=>\t0\t=>\t0",
        "3x + Bonus\t=>\t0\t=>\t0",
        "4x\t=>\t0\t=>\t0",
        "4x + Bonus\t=>\t0\t=>\t0",
        "5x\t=>\t0\t=>\t1",
        "5x + Bonus\t=>\t0\t=>\t0",
        "6x\t=>\t0\t=>\t0",
        "Gewinnklasse 1\t=>\t0,0\t=>\t0,0",
        "Gewinnklasse 2\t=>\t0,0\t=>\t0,0",
        "Gewinnklasse 3\t=>\t0,0\t=>\t0,1",
        "Gewinnklasse 4\t=>\t0,0\t=>\t0,9",
        "Gewinnklasse 5\t=>\t0,0\t=>\t0,0",
        "Gewinnklasse 6\t=>\t0,0\t=>\t0,0",
        "Gewinnklasse 7\t=>\t0,0\t=>\t0,0",
        "Gewinnklasse 8\t=>\t0,0\t=>\t0,0",
        "Gewinnklasse 9\t=>\t0,0\t=>\t0,0",
        window_->text(TextLine::BacktestClassesByChance),
        "",
        "3 Ziehungen",
        "",
    };
    const QStringList lines = reportLines();
    QCOMPARE(lines.mid(0, expected.size()), expected);
    QVERIFY(lines.constLast().isEmpty()); // the last line ends with CR LF too
    // Shown inside the program, with the text as written.
    QVERIFY(shell_.openedFiles.isEmpty());
    QCOMPARE(shownReports(), QStringList{reportPath(QStringLiteral("Test.txt"))});
    QCOMPARE(lastReport()->text().split(QLatin1Char('\n')).mid(0, expected.size()), expected);

    // The seed dialog, and the reseed before every pass.
    QCOMPARE(dialogs_.inputPrompts.size(), 1);
    QVERIFY(dialogs_.inputPrompts[0].startsWith(window_->text(30) + " (1-99999999)?|"
                                                + window_->text(31) + "|"));
    QCOMPARE(window_->statusPanel(1), window_->text(31) + QStringLiteral(" 12345"));
    QCOMPARE(generated_, 3);
    QCOMPARE(randomAtStart_, QList<quint32>(3, Random(12345).next32()));
    // The comparison with chance closes the report with its p-value.
    QVERIFY(lines[lines.size() - 3].contains(QStringLiteral("; p = ")));
    QVERIFY(lines[lines.size() - 2].startsWith(QStringLiteral("Die Parameter waren ")));
    // The weighting dialog stays shut during the run; the box comes back.
    QVERIFY(!editPoolDuringRun_);
    QVERIFY(checkBox20()->isChecked());
    // The last evaluated draw is current.
    QCOMPARE(window_->session().drawDate, DateSerial::fromDate(QDate(2020, 12, 12)));
    QCOMPARE(window_->datenbankPage()->endDate(), QDate(2020, 12, 12));
    QVERIFY(!window_->isBusy());
}

void AnalysisWindowTest::backtestClassesWithTheTicketNumber_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("classThree"); // row 2's 5 hits on Wednesday 09.12.2020, super number 0
    QTest::addColumn<QString>("note");
    const TextTable table;
    QTest::newRow("super number drawn") << "1234560" << "Gewinnklasse 3\t=>\t0\t=>\t1"
                                        << table.line(TextLine::BacktestClassesTicket).arg(0);
    QTest::newRow("another super number") << "1234568" << "Gewinnklasse 3\t=>\t0\t=>\t0"
                                          << table.line(TextLine::BacktestClassesTicket).arg(8);
    QTest::newRow("invalid number: by chance") << "123456" << "Gewinnklasse 3\t=>\t0,0\t=>\t0,1"
                                               << table.line(TextLine::BacktestClassesByChance);
}

void AnalysisWindowTest::backtestClassesWithTheTicketNumber()
{
    QFETCH(QString, number);
    QFETCH(QString, classThree);
    QFETCH(QString, note);
    QVERIFY(writeDraws(threeDraws()));
    fixedGenerator();
    window_->session().ticket.number = number;
    window_->datenbankPage()->setEndDate(QDate(2020, 12, 2));
    dialogs_.inputAnswers.enqueue(QStringLiteral("12345"));

    click(QStringLiteral("BitBtn9"));

    const QStringList lines = reportLines();
    QVERIFY2(lines.contains(classThree), qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY(lines.contains(note));
}

void AnalysisWindowTest::backtestPasses_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<bool>("wednesdays");
    QTest::addColumn<int>("passes");
    QTest::addColumn<int>("weekendPasses");

    // 3 days: 09.12, 12.12, 12.12 again when the date no longer moves.
    QTest::newRow("both boxes, from a draw") << QDate(2020, 12, 5) << true << 3 << 2;
    // The first draw from 02.12 is 05.12, which the first pass sees.
    QTest::newRow("both boxes, from the days before a draw") << QDate(2020, 12, 2) << true << 3 << 2;
    // The first draw from 06.12 is 09.12: the first pass sees it and rates
    // 12.12, never 09.12 itself.
    QTest::newRow("both boxes, from the day after a draw") << QDate(2020, 12, 6) << true << 2 << 2;
    // 6 days: 09.12 (first from 08.12), 12.12 (from 15.12: the last), 12.12.
    QTest::newRow("one box: 6 days") << QDate(2020, 12, 2) << false << 3 << 2;
    // The last draw is the one the pass sees: rated once, as the last pass.
    QTest::newRow("after the last draw: one pass") << QDate(2021, 3, 1) << true << 1 << 1;
}

void AnalysisWindowTest::backtestPasses()
{
    QFETCH(QDate, start);
    QFETCH(bool, wednesdays);
    QFETCH(int, passes);
    QFETCH(int, weekendPasses);

    QVERIFY(writeDraws(threeDraws()));
    window_->datenbankPage()->setWednesdays(wednesdays);
    window_->datenbankPage()->setEndDate(start);
    setRow(1, {"40", "41", "42", "43", "44", "45"}); // 3 hits on 12.12 only
    // What each pass's generation could see: the draw shown, up to the end date.
    QList<QDate> seen;
    window_->backtestGenerator = [&] { seen << window_->datenbankPage()->endDate(); };
    dialogs_.inputAnswers.enqueue(QStringLiteral("7"));

    click(QStringLiteral("BitBtn9"));

    const QStringList lines = reportLines();
    QVERIFY(lines.contains(QStringLiteral("%1 Ziehungen").arg(passes)));
    // Every pass rates the one row once, on a weekend draw or not.
    int weekend = 0;
    int other = 0;
    for (int line = 1; line <= 13; ++line) {
        const QStringList fields = lines.value(line).split(QLatin1Char('\t'));
        QCOMPARE(fields.size(), 5);
        weekend += fields[2].toInt();
        other += fields[4].toInt();
    }
    QCOMPARE(weekend, weekendPasses);
    QCOMPARE(other, passes - weekendPasses);

    // Each pass rates the draw the next one sees; none rates a draw its
    // generation could see, but for the last, which rates the last stored
    // draw once more.
    QCOMPARE(seen.size(), passes);
    const QList<QDate> rated = seen.mid(1) << window_->datenbankPage()->endDate();
    for (int pass = 0; pass + 1 < passes; ++pass)
        QVERIFY2(rated[pass] > seen[pass], qPrintable(seen[pass].toString(Qt::ISODate)));
    QCOMPARE(rated.constLast(), QDate(2020, 12, 12));
}

void AnalysisWindowTest::backtestOverTheRealHistory_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("passes");
    QTest::newRow("Saturday 19.11.1994, a draw") << QDate(1994, 11, 19) << 3000;
    // The draw of Wednesday 23.11 is the first the run sees: one pass fewer.
    QTest::newRow("Sunday 20.11.1994, no draw") << QDate(1994, 11, 20) << 2999;
}

void AnalysisWindowTest::backtestOverTheRealHistory()
{
    QFETCH(QDate, start);
    QFETCH(int, passes);
    QFile csv(qEnvironmentVariable("NUMERANT_SOURCE_DIR") + QStringLiteral("/data/history/lotto-6aus49.csv"));
    QVERIFY2(csv.open(QIODevice::ReadOnly), qPrintable(csv.fileName()));
    const CsvRead history = parseDrawCsv(csv.readAll());
    QVERIFY(history.problems.empty());
    QVERIFY(writeDraws(history.draws));
    window_->datenbankPage()->setEndDate(start);
    fixedGenerator();
    dialogs_.inputAnswers.enqueue(QStringLiteral("7"));

    click(QStringLiteral("BitBtn9"));

    const QStringList lines = reportLines();
    QVERIFY(lines.contains(QStringLiteral("%1 Ziehungen").arg(passes)));
    QCOMPARE(generated_, passes);
    // The passes before 22.05.1999 count hits only, the later ones classes too.
    QVERIFY(lines.contains(window_->text(TextLine::NoClassTable)));
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^Gewinnklasse \\d\t"))).size(), 9);
}

void AnalysisWindowTest::backtestKeepsTipsWithoutAThree()
{
    QVERIFY(writeDraws(threeDraws()));
    window_->datenbankPage()->setEndDate(QDate(2020, 12, 2));
    control<QCheckBox>(QStringLiteral("CheckBox31"))->setChecked(true);
    // Each run writes other numbers: 5 hits on 09.12, none on 12.12, so the
    // third pass keeps the tips of the second.
    QList<QStringList> runs{{"1", "2", "3", "4", "5", "49"},
                            {"13", "14", "15", "16", "18", "19"},
                            {"40", "41", "42", "43", "44", "45"}};
    window_->backtestGenerator = [&] { setRow(1, runs.value(generated_++)); };
    dialogs_.inputAnswers.enqueue(QStringLiteral("1"));
    setRow(1, {"7", "8", "9", "10", "12", "20"});

    click(QStringLiteral("BitBtn9"));

    QCOMPARE(generated_, 2);
    QCOMPARE(reportLines().value(1), QStringLiteral("0x\t=>\t2\t=>\t0"));
    // Then the user's own tips are back.
    QCOMPARE(window_->tipBoard()->cellText(1, 1), QStringLiteral("7"));
}

void AnalysisWindowTest::backtestBadSeed()
{
    QVERIFY(writeDraws(threeDraws()));
    fixedGenerator();
    checkBox20()->setChecked(true);
    dialogs_.inputAnswers.enqueue(QStringLiteral("zwölf"));

    click(QStringLiteral("BitBtn9"));

    QCOMPARE(dialogs_.messages, QStringList{window_->text(34)});
    QCOMPARE(generated_, 0);
    QVERIFY(checkBox20()->isChecked());
    QVERIFY(!QFile::exists(reportPath(QStringLiteral("Test.txt"))));
    QVERIFY(shell_.openedFiles.isEmpty());
}

void AnalysisWindowTest::backtestWithTheRealGenerator()
{
    // The backtest reseeds before every pass, so one seed gives one report,
    // and every pass leaves twelve generated rows to rate.
    QVERIFY(writeDraws(threeDraws()));
    int passes = 0;
    int fullBoards = 0;
    window_->backtestGenerator = [&] {
        realGenerator_();
        ++passes;
        bool full = true;
        for (int row = 1; row <= 12; ++row)
            full = full && !window_->tipBoard()->cellText(row, 6).isEmpty();
        fullBoards += full ? 1 : 0;
    };
    setRow(2, {"5", "9", "23", "31", "40", "47"});
    QStringList reports;
    for (int run = 0; run < 2; ++run) {
        // The backtest leaves the end date at the last draw it reached.
        window_->datenbankPage()->setEndDate(QDate(2020, 12, 2));
        dialogs_.inputAnswers.enqueue(QStringLiteral("4711"));
        click(QStringLiteral("BitBtn9"));
        QVERIFY(!window_->isBusy());
        reports << QString::fromUtf8(readFile(reportPath(QStringLiteral("Test.txt"))));
        // The board the user had is back: row 2 and nothing else.
        for (int row = 1; row <= 12; ++row)
            QCOMPARE(window_->tipBoard()->cellText(row, 6).isEmpty(), row != 2);
        QCOMPARE(window_->tipBoard()->cellText(2, 1), QStringLiteral("5"));
    }
    QVERIFY(passes > 0);
    QCOMPARE(fullBoards, passes);
    QVERIFY(!reports.first().isEmpty());
    QCOMPARE(reports.last(), reports.first());
}

void AnalysisWindowTest::generatorButtonStopsTheBacktest_data()
{
    QTest::addColumn<bool>("duringAPass");
    QTest::addColumn<int>("passesDone");
    QTest::newRow("between passes") << false << 0;
    QTest::newRow("while a pass generates") << true << 1;
}

void AnalysisWindowTest::generatorButtonStopsTheBacktest()
{
    // The passes switch between "Diagramm" and "Lottotipp", so the user
    // reaches the generator's "Stoppen" rather than the backtest's button.
    QFETCH(bool, duringAPass);
    QFETCH(int, passesDone);
    QVERIFY(writeDraws(fiveSaturdays()));
    bool lastPassFull = false;
    window_->backtestGenerator = [&] {
        realGenerator_();
        lastPassFull = true;
        for (int row = 1; row <= 12; ++row)
            lastPassFull = lastPassFull && !window_->tipBoard()->cellText(row, 6).isEmpty();
    };
    window_->datenbankPage()->setEndDate(QDate(2020, 1, 4));
    dialogs_.inputAnswers.enqueue(QStringLiteral("4711"));
    const QString idleCaption = window_->lottotippPage()->generateCaption();
    auto* generate = control<QAbstractButton>(QStringLiteral("BitBtn4"));
    bool clicked = false;
    const auto stop = [&] {
        if (clicked)
            return;
        clicked = true;
        QCOMPARE(window_->lottotippPage()->generateCaption(), QStringLiteral("Stoppen"));
        generate->click();
    };
    if (duringAPass) {
        connect(window_->tipBoard()->findChild<QLineEdit*>(TipBoard::cellName(1, 1)),
                &QLineEdit::textChanged, this, [&](const QString& text) {
                    if (!text.isEmpty())
                        stop();
                });
    } else {
        QTimer::singleShot(0, window_.get(), stop); // the first turn of events, before a pass
    }
    click(QStringLiteral("BitBtn9"));

    QVERIFY(clicked);
    QVERIFY(!window_->isBusy());
    QCOMPARE(window_->lottotippPage()->generateCaption(), idleCaption);
    // A pass that was running finished all its rows and was counted.
    QCOMPARE(lastPassFull, passesDone > 0);
    QVERIFY(reportLines().contains(QStringLiteral("%1 Ziehungen").arg(passesDone)));
    QCOMPARE(reportLines().value(reportLines().size() - 2),
             QStringLiteral("Die Analyse wurde vorzeitig angehalten, nach %1 Durchgängen.").arg(passesDone));
}

void AnalysisWindowTest::reportThatCannotBeWritten()
{
    // A folder where the report should go: the write fails, nothing is
    // opened, and the message carries the system's reason.
    QVERIFY(writeDraws(threeDraws()));
    for (const QString& name : {QStringLiteral("Test.txt"), QStringLiteral("Test.rtf")})
        QVERIFY(QDir(home_).mkdir(name));
    window_->datenbankPage()->setEndDate(QDate(2020, 12, 12));
    dialogs_.inputAnswers << QStringLiteral("1") << QStringLiteral("7");

    click(QStringLiteral("BitBtn9"));
    click(QStringLiteral("BitBtn19"));

    QCOMPARE(dialogs_.messages.size(), 2);
    QVERIFY(dialogs_.messages[0].contains(reportPath(QStringLiteral("Test.txt"))));
    QVERIFY(dialogs_.messages[1].contains(reportPath(QStringLiteral("Test.rtf"))));
    QVERIFY(shell_.openedFiles.isEmpty());
}

void AnalysisWindowTest::comparisonReport()
{
    QVERIFY(writeDraws(fiveSaturdays()));
    window_->datenbankPage()->setEndDate(QDate(2020, 1, 4));
    window_->PageControl1->setCurrentIndex(3);
    window_->tipBoard()->toggleLock(5);
    setRow(5, {"1", "2", "3", "40", "41", "42"});
    setRow(6, {"7", "8", "9", "10", "11", "12"});
    dialogs_.inputAnswers.enqueue(QStringLiteral("7"));

    click(QStringLiteral("BitBtn19"));

    QCOMPARE(dialogs_.inputPrompts,
             QStringList{window_->text(4) + "|" + window_->text(39) + "|6"});
    QVERIFY(dialogs_.questions.isEmpty());
    const QString path = reportPath(QStringLiteral("Test.rtf"));
    QVERIFY(shell_.openedFiles.isEmpty());
    QCOMPARE(shownReports(), QStringList{path});
    QVERIFY(!lastReport()->text().contains(QLatin1String("\\par"))); // the lines, not the RTF
    const QByteArray rtf = readFile(path);
    QVERIFY(rtf.startsWith("{\\rtf1"));
    QVERIFY(rtf.contains("Treffer von Ziehungen in der Datenbank\\par\r\n0x    =>0\\par\r\n"
                         "1x    =>3\\par\r\n2x    =>2\\par\r\n3x    =>1\\par\r\n"));
    QVERIFY(rtf.contains("Wie oft gab es bei der \\u252\\'fcbern\\u228\\'e4chsten Ziehung "
                         "\\u228\\'e4hnliche Zahlen\\par\r\n0x    =>1\\par\r\n1x    =>1\\par\r\n"
                         "2x    =>1\\par\r\n3x    =>0\\par\r\n"));
    const QStringList shown = window_->lottotippPage()->richEdit()->toPlainText().split('\n');
    QCOMPARE(shown.size(), 4 * 8 + 3);
    QCOMPARE(shown.value(4), QStringLiteral("3x    =>1"));

    // The window: the tip tab in front, row 1 the last reference (25.01),
    // the draw after it current, the locked row kept, the unlocked cleared.
    QCOMPARE(window_->PageControl1->currentWidget(), window_->lottotippPage());
    QCOMPARE(window_->session().drawDate, DateSerial::fromDate(QDate(2020, 2, 1)));
    QCOMPARE(window_->session().position, 4);
    QCOMPARE(window_->datenbankPage()->endDate(), QDate(2020, 2, 1));
    QCOMPARE(window_->tipBoard()->cellText(1, 2), QStringLiteral("30"));
    QCOMPARE(window_->tipBoard()->cellText(5, 1), QStringLiteral("1"));
    QCOMPARE(window_->tipBoard()->cellText(6, 1), QString());
    QCOMPARE(window_->session().workingDate, DateSerial::fromDate(QDate(2019, 1, 1)));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void AnalysisWindowTest::comparisonNoAtFoundMessage()
{
    QVERIFY(writeDraws(fiveSaturdays()));
    window_->datenbankPage()->setEndDate(QDate(2020, 1, 4));
    dialogs_.inputAnswers.enqueue(QStringLiteral("3"));
    dialogs_.yesNoAnswers.enqueue(false);

    click(QStringLiteral("BitBtn19"));

    // 04.01 shares three numbers with 11.01, the second reference.
    QCOMPARE(dialogs_.questions,
             QStringList{window_->text(8) + "|" + window_->text(6) + "04.01.2020  " + window_->text(7)});
    QVERIFY(!QFile::exists(reportPath(QStringLiteral("Test.rtf"))));
    QVERIFY(shell_.openedFiles.isEmpty());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QVERIFY(!window_->isBusy());
}

void AnalysisWindowTest::comparisonShowsWhatMatchedBeforeAsking()
{
    // Threshold 2: 11.01 meets 04.01 in three numbers, 18.01 meets 04.01
    // and 11.01 in two each. At each question the board shows the reference
    // in row 1, rated against the earlier draw now current, and the status
    // bar the reference's pass.
    QVERIFY(writeDraws(fiveSaturdays()));
    window_->datenbankPage()->setEndDate(QDate(2020, 1, 4));
    dialogs_.inputAnswers.enqueue(QStringLiteral("2"));
    dialogs_.yesNoAnswers << true << true << false;
    QStringList shown;
    dialogs_.whileAsking = [&] {
        QStringList row;
        for (int k = 1; k <= 6; ++k)
            row << window_->tipBoard()->cellText(1, k);
        shown << QStringLiteral("%1 | %2 | %3 | %4 hits | %5")
                     .arg(window_->statusPanel(0), window_->statusPanel(1), row.join(' '),
                          window_->tipBoard()->hitsText(1),
                          DateSerial::toDate(window_->session().drawDate).toString(Qt::ISODate));
    };

    click(QStringLiteral("BitBtn19"));

    QCOMPARE(shown, QStringList({
        "Durchgang 2: 11.01.2020 (25 %) | 11.01.2020 | 1 2 3 10 11 12 | 3 hits | 2020-01-04",
        "Durchgang 3: 18.01.2020 (50 %) | 18.01.2020 | 1 2 20 21 22 23 | 2 hits | 2020-01-04",
        "Durchgang 3: 18.01.2020 (50 %) | 18.01.2020 | 1 2 20 21 22 23 | 2 hits | 2020-01-11",
    }));
    // No at the third: the window stays as the question showed it.
    QCOMPARE(window_->session().drawDate, DateSerial::fromDate(QDate(2020, 1, 11)));
    QCOMPARE(window_->session().position, 1);
    QCOMPARE(window_->tipBoard()->cellText(1, 3), QStringLiteral("20"));
    QCOMPARE(window_->tipBoard()->hitsText(1), QStringLiteral("2"));
    QVERIFY(!QFile::exists(reportPath(QStringLiteral("Test.rtf"))));
}

void AnalysisWindowTest::comparisonBadThreshold()
{
    QVERIFY(writeDraws(fiveSaturdays()));
    window_->datenbankPage()->setEndDate(QDate(2020, 1, 4));
    const int tab = window_->PageControl1->currentIndex();
    dialogs_.inputAnswers.enqueue(QStringLiteral("x"));

    click(QStringLiteral("BitBtn19"));

    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY(dialogs_.messages[0].contains(QStringLiteral("„x“")));
    // Nothing changed: no draw made current, the tab stays.
    QCOMPARE(window_->session().drawDate, 0.0);
    QCOMPARE(window_->PageControl1->currentIndex(), tab);
    QVERIFY(shell_.openedFiles.isEmpty());
}

void AnalysisWindowTest::missingDatabase_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("emptyFile");
    QTest::addColumn<QString>("message"); // empty: the system's error with the path

    QTest::newRow("search") << "SpeedButton4" << false << "";
    QTest::newRow("backtest") << "BitBtn9" << false << "";
    QTest::newRow("comparison") << "BitBtn19" << false << "";
    QTest::newRow("comparison, no draws") << "BitBtn19" << true
                                          << "Die Datenbank enthält keine Ziehungen.";
    QTest::newRow("backtest, no draws") << "BitBtn9" << true
                                        << "Die Datenbank enthält keine Ziehungen.";
}

void AnalysisWindowTest::missingDatabase()
{
    QFETCH(QString, button);
    QFETCH(bool, emptyFile);
    QFETCH(QString, message);

    if (emptyFile)
        QVERIFY(writeDraws({}));
    checkBox20()->setChecked(true);
    click(button);

    QCOMPARE(dialogs_.messages.size(), 1);
    if (message.isEmpty())
        QVERIFY2(dialogs_.messages[0].contains(databasePath()), qPrintable(dialogs_.messages[0]));
    else
        QCOMPARE(dialogs_.messages[0], message);
    // Nothing created or changed, no report. The search asks its question
    // before it opens the file.
    if (button != QStringLiteral("SpeedButton4"))
        QVERIFY(dialogs_.inputPrompts.isEmpty());
    QVERIFY(!QFile::exists(reportPath(QStringLiteral("Test.txt"))));
    QVERIFY(!QFile::exists(reportPath(QStringLiteral("Test.rtf"))));
    QCOMPARE(QFile::exists(databasePath()), emptyFile);
    QVERIFY(checkBox20()->isChecked());
    QVERIFY(shell_.openedFiles.isEmpty());
    QCOMPARE(window_->session().drawDate, 0.0);
}

void AnalysisWindowTest::secondClickStops_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("search") << "SpeedButton4";
    QTest::newRow("backtest") << "BitBtn9";
    QTest::newRow("comparison") << "BitBtn19";
}

void AnalysisWindowTest::secondClickStops()
{
    QFETCH(QString, button);
    QVERIFY(writeDraws(fiveSaturdays()));
    window_->datenbankPage()->setEndDate(QDate(2020, 1, 4));
    window_->diagrammPage()->setStartDate(QDate(2020, 1, 1));
    setRow(1, {"1", "2", "3", "4", "5", "6"});
    dialogs_.inputAnswers.enqueue(button == "BitBtn9" ? QStringLiteral("5") : QStringLiteral("7"));

    // Once the run lets events in: other changing operations are refused and
    // their controls locked, then the running button is clicked again.
    bool refused = false;
    bool boardLocked = false;
    QTimer::singleShot(0, window_.get(), [&] {
        QVERIFY(window_->isBusy());
        boardLocked = !window_->tipBoard()->isEnabled()
                      && !control<QAbstractButton>(QStringLiteral("SpeedButton5"))->isEnabled();
        for (const QString& other : {QStringLiteral("SpeedButton4"), QStringLiteral("BitBtn9"),
                                     QStringLiteral("BitBtn19")}) {
            if (other != button)
                control<QAbstractButton>(other)->click();
        }
        refused = dialogs_.inputPrompts.size() == 1;
        click(button);
    });
    click(button);

    QVERIFY(refused);
    QVERIFY(boardLocked);
    QVERIFY(!window_->isBusy());
    QVERIFY(window_->tipBoard()->isEnabled());
    const QString stopped = QStringLiteral("Die Analyse wurde vorzeitig angehalten, nach 0 Durchgängen.");
    if (button == "SpeedButton4") {
        QCOMPARE(window_->statusPanel(0), QStringLiteral("Die Suche wurde angehalten."));
        QVERIFY(window_->chart()->bars(Chart1::Series2).isEmpty());
    } else if (button == "BitBtn9") {
        QCOMPARE(reportLines().value(15), QStringLiteral("0 Ziehungen"));
        QCOMPARE(reportLines().value(reportLines().size() - 2), stopped);
    } else {
        QVERIFY(readFile(reportPath(QStringLiteral("Test.rtf"))).contains(stopped.toUtf8().replace("ä", "\\u228\\'e4") + "\\par"));
    }
}

QTEST_MAIN(AnalysisWindowTest)
#include "tst_analysis_window.moc"
