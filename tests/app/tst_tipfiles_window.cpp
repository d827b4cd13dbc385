#include "FileSizeLimit.h"
#include "WindowFixture.h"
#include "app/pages/DatenbankPage.h"
#include "app/pages/TipBoard.h"
#include "draws/DateSerial.h"
#include "tipfiles/TipFile.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

#include <cerrno>
#include <cstring>

namespace {

using Rows = QList<QStringList>; // row r-1 holds the six cell texts of row r

const QDate saturday(2020, 3, 14);
const QDate wednesday(2020, 3, 18);

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList row(std::initializer_list<const char*> cells)
{
    QStringList texts;
    for (const char* cell : cells)
        texts << QString::fromLatin1(cell);
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Rows)

class TipFilesWindowTest : public QObject, private WindowFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void savedBoardLoadsBackUnchanged();
    void saveProposesTheNextDrawAndCancelWritesNothing_data();
    void saveProposesTheNextDrawAndCancelWritesNothing();
    void failedSaveShowsTheErrorAndKeepsTheFile_data();
    void failedSaveShowsTheErrorAndKeepsTheFile();
    void dialogsOpenWhereTheLastTipFileWas();
    void loadFillsTheFileRowsAndKeepsLockedRowsElsewhere();
    void everyLoadAttemptButAFailedReadRates_data();
    void everyLoadAttemptButAFailedReadRates();
    void printoutIsWrittenAndOpened();
    void printoutHeaderFollowsDrawDaysAndLanguage_data();
    void printoutHeaderFollowsDrawDaysAndLanguage();
    void failedPrintoutWritesAndOpensNothing_data();
    void failedPrintoutWritesAndOpensNothing();

private:
    QString path(const QString& name) const { return dir_->filePath(name); }
    TipBoard& board() const { return *window_->tipBoard(); }
    DatenbankPage& datenbank() const { return *window_->datenbankPage(); }
    void fill(const Rows& rows);
    Rows boardRows() const;
    void click(const char* name);
};

void TipFilesWindowTest::init()
{
    QVERIFY(setUp());
    QVERIFY(writeDraws({makeDraw(saturday, {3, 11, 19, 27, 38, 45}, 7),
                        makeDraw(wednesday, {1, 2, 3, 4, 5, 6}, 9)}));
    window_ = makeWindow();
    // Start-up runs at the first show; let it finish before a case sets the board.
    showWindow();
    dialogs_.messages.clear();
}

void TipFilesWindowTest::cleanup()
{
    tearDown();
}

void TipFilesWindowTest::fill(const Rows& rows)
{
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c)
            board().setCellText(r + 1, c + 1, rows[r][c]);
}

Rows TipFilesWindowTest::boardRows() const
{
    Rows rows;
    for (int r = 1; r <= TipBoard::RowCount; ++r) {
        QStringList cells;
        for (int c = 1; c <= TipBoard::CellCount; ++c)
            cells << board().cellText(r, c);
        rows << cells;
    }
    return rows;
}

void TipFilesWindowTest::click(const char* name)
{
    auto* button = window_->findChild<QAbstractButton*>(QLatin1String(name));
    QVERIFY2(button, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

void TipFilesWindowTest::savedBoardLoadsBackUnchanged()
{
    // Ascending rows, so the rating after the load has nothing to reorder;
    // a few empty cells and one empty row travel as empty fields.
    Rows saved;
    for (int r = 0; r < TipBoard::RowCount; ++r) {
        QStringList cells;
        for (int c = 0; c < TipBoard::CellCount; ++c)
            cells << (r == 11 || (r + c) % 7 == 0 ? QString() : QString::number(c * 7 + r + 1));
        saved << cells;
    }
    fill(saved);
    QCOMPARE(boardRows(), saved);
    window_->session().ticket.number = QStringLiteral("7654321");

    const QString file = path(QStringLiteral("tips.vlt"));
    dialogs_.fileAnswers.enqueue(file);
    click("SpeedButton15");
    QVERIFY(dialogs_.messages.isEmpty());
    QCOMPARE(dialogs_.fileDialogs.size(), 1);
    const FileDialogSetup setup = dialogs_.fileDialogs.first();
    QCOMPARE(setup.directory, window_->Home);
    QCOMPARE(setup.filter, QStringLiteral("Tippdatei|*.vlt"));
    QCOMPARE(setup.defaultSuffix, QStringLiteral("vlt"));
    QVERIFY(readAll(file).endsWith("7654321\r\n"));

    // Something else on the board and a locked row: the file decides all twelve.
    fill(Rows(TipBoard::RowCount, row({"49", "48", "47", "46", "45", "44"})));
    board().toggleLock(4);
    window_->session().ticket.number = QStringLiteral("other");

    dialogs_.fileAnswers.enqueue(file);
    click("SpeedButton16");
    QVERIFY(dialogs_.messages.isEmpty());
    QCOMPARE(dialogs_.fileDialogs.last().filter, QStringLiteral("Tippdatei|*.vlt"));
    QCOMPARE(dialogs_.fileDialogs.last().defaultSuffix, QStringLiteral("vlt"));
    QCOMPARE(boardRows(), saved);
    QCOMPARE(window_->session().ticket.number, QStringLiteral("7654321"));
}

void TipFilesWindowTest::saveProposesTheNextDrawAndCancelWritesNothing_data()
{
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyyMMdd.vlt"));
    QTest::addColumn<QDate>("picker");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("Saturday: next Wednesday") << saturday << "20200318.vlt";
    QTest::newRow("Wednesday: next Saturday") << wednesday << "20200321.vlt";
    QTest::newRow("Sunday: next Wednesday") << QDate(2020, 3, 15) << "20200318.vlt";
    QTest::newRow("Monday: today") << QDate(2020, 3, 16) << today;
    QTest::newRow("Thursday: today") << QDate(2020, 3, 19) << today;
}

void TipFilesWindowTest::saveProposesTheNextDrawAndCancelWritesNothing()
{
    QFETCH(QDate, picker);
    QFETCH(QString, proposed);
    datenbank().setEndDate(picker);
    fill({row({"1", "2", "3", "4", "5", "6"})});

    click("SpeedButton15"); // no answer queued: the dialog is cancelled
    QCOMPARE(dialogs_.fileDialogs.size(), 1);
    QCOMPARE(dialogs_.fileDialogs.first().proposedName, proposed);
    QCOMPARE(QDir(dir_->path()).entryList({QStringLiteral("*.vlt")}, QDir::Files), QStringList());
    QVERIFY(dialogs_.messages.isEmpty());
}

void TipFilesWindowTest::failedSaveShowsTheErrorAndKeepsTheFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<int>("error");
    QTest::newRow("missing folder") << "missing/tips.vlt" << false << ENOENT;
    // Used to leave an empty file and no message.
    QTest::newRow("full disk over an earlier file") << "tips.vlt" << true << EFBIG;
}

void TipFilesWindowTest::failedSaveShowsTheErrorAndKeepsTheFile()
{
    QFETCH(QString, name);
    QFETCH(bool, fullDisk);
    QFETCH(int, error);
    const QString file = path(name);
    const QByteArray earlier = "7,8,9,10,11,12\r\n";
    if (fullDisk)
        QVERIFY(writeFile(file, earlier));
    fill({row({"1", "2", "3", "4", "5", "6"})});
    dialogs_.fileAnswers.enqueue(file);
    {
        const FileSizeLimit limit(fullDisk ? 0 : RLIM_INFINITY);
        click("SpeedButton15");
    }
    QCOMPARE(dialogs_.messages.size(), 1);
    const QString message = dialogs_.messages.first();
    QVERIFY2(message.contains(file) && message.contains(QString::fromLocal8Bit(std::strerror(error))),
             qPrintable(message));
    if (fullDisk)
        QCOMPARE(readAll(file), earlier);
    else
        QVERIFY(!QFile::exists(file));
}

void TipFilesWindowTest::loadFillsTheFileRowsAndKeepsLockedRowsElsewhere()
{
    fill(Rows(TipBoard::RowCount, row({"10", "20", "30", "40", "41", "42"})));
    board().setHits(4, QStringLiteral("3"), Qt::red);
    board().toggleLock(2);
    board().toggleLock(5);
    window_->session().ticket.number = QStringLiteral("1234567");

    const QString file = path(QStringLiteral("three.vlt"));
    // LF and CR line ends as another program may leave them; a seventh number
    // runs into cell 6 and a trailing weekday is cut off at the colon.
    QVERIFY(writeFile(file, "1,2,3\n7,8,9,10,11,12:Samstag\r13,14,15,16,17,18,19\n"));
    dialogs_.fileAnswers.enqueue(file);
    click("SpeedButton16");
    QVERIFY(dialogs_.messages.isEmpty());

    Rows expected(TipBoard::RowCount, row({"", "", "", "", "", ""}));
    expected[0] = row({"1", "2", "", "", "", "3"});
    expected[1] = row({"7", "8", "9", "10", "11", "12"}); // locked, but in the file
    expected[2] = row({"13", "14", "15", "16", "17", ""});
    expected[4] = row({"10", "20", "30", "40", "41", "42"}); // locked, not in the file
    QCOMPARE(boardRows(), expected);
    QCOMPARE(board().hitsText(4), QString());
    QVERIFY(board().isLocked(2));
    QCOMPARE(window_->session().ticket.number, QStringLiteral("1234567"));
}

void TipFilesWindowTest::everyLoadAttemptButAFailedReadRates_data()
{
    QTest::addColumn<QString>("answer"); // file name in the temporary folder, empty = cancel
    QTest::addColumn<bool>("rated");
    QTest::addColumn<bool>("loaded");
    QTest::newRow("cancelled") << "" << true << false;
    QTest::newRow("loaded") << "good.vlt" << true << true;
    QTest::newRow("missing file") << "missing.vlt" << false << false;
    QTest::newRow("folder") << "folder.vlt" << false << false;
    QTest::newRow("link to /dev/zero") << "zero.vlt" << false << false;
    QTest::newRow("larger than any tip file") << "big.vlt" << false << false;
}

void TipFilesWindowTest::everyLoadAttemptButAFailedReadRates()
{
    QFETCH(QString, answer);
    QFETCH(bool, rated);
    QFETCH(bool, loaded);
    QVERIFY(writeFile(path(QStringLiteral("good.vlt")), "5,6,7,8,9,10\r\n"));
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("folder.vlt")));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path(QStringLiteral("zero.vlt"))));
    QVERIFY(writeFile(path(QStringLiteral("big.vlt")), QByteArray(TipFile::maxFileSize + 1, '1')));
    datenbank().setEndDate(saturday);
    const Rows before(TipBoard::RowCount, row({"21", "22", "23", "24", "25", "26"}));
    fill(before);
    window_->session().drawDate = 0.0;
    window_->session().ticket.number = QStringLiteral("1234567");

    if (!answer.isEmpty())
        dialogs_.fileAnswers.enqueue(path(answer));
    click("SpeedButton16");

    QCOMPARE(window_->session().drawDate, rated ? DateSerial::fromDate(saturday) : 0.0);
    QCOMPARE(dialogs_.messages.size(), answer.isEmpty() || loaded ? 0 : 1);
    if (loaded)
        QCOMPARE(board().cellText(1, 6), QStringLiteral("10"));
    else
        QCOMPARE(boardRows(), before);
    QCOMPARE(window_->session().ticket.number, QStringLiteral("1234567"));
}

void TipFilesWindowTest::printoutIsWrittenAndOpened()
{
    window_->session().drawDate = DateSerial::fromDate(saturday);
    datenbank().setSaturdays(true);
    datenbank().setWednesdays(true);
    fill({row({"3", "11", "19", "27", "38", "45"}), row({"", "", "", "", "", ""}),
          row({"1", "9", "10", "22", "40", "49"}), row({"", "4", "5", "6", "7", "8"})});

    click("BitBtn7");
    QVERIFY(dialogs_.messages.isEmpty());

    const QString tipp = window_->Home + QStringLiteral("Tipp.txt");
    const QByteArray expected = "Vellhorns Numerant.de Tipp f\xc3\xbcr Mittwoch 18.03.20\r\n"
                                "~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~\r\n"
                                "\r\n"
                                " 1. Tipp:  3   11   19   27   38   45\r\n"
                                " 3. Tipp:  1    9   10   22   40   49\r\n";
    QCOMPARE(readAll(tipp), expected);
    QVERIFY(shell_.openedFiles.isEmpty());
    QCOMPARE(shownReports(), QStringList{tipp});
    QCOMPARE(lastReport()->text() + QLatin1Char('\n'), QString::fromUtf8(expected).remove(QLatin1Char('\r')));
    QCOMPARE(datenbank().lineBuffer()->toPlainText() + QLatin1Char('\n'),
             QString::fromUtf8(expected).remove(QLatin1Char('\r')));

    // Run again: the file is replaced, not appended to.
    board().clearRow(3);
    click("BitBtn7");
    QVERIFY(!readAll(tipp).contains(" 3. "));
    QCOMPARE(shownReports().size(), 2);
}

void TipFilesWindowTest::dialogsOpenWhereTheLastTipFileWas()
{
    QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("Tipps/2020")));
    const QString file = path(QStringLiteral("Tipps/2020/tips.vlt"));
    dialogs_.fileAnswers << file << QString() << QString();
    click("SpeedButton15");
    click("SpeedButton16"); // cancelled: the folder stays
    click("SpeedButton16");
    QCOMPARE(dialogs_.fileDialogs.size(), 3);
    QCOMPARE(dialogs_.fileDialogs[1].directory, path(QStringLiteral("Tipps/2020")));
    QCOMPARE(dialogs_.fileDialogs[2].directory, path(QStringLiteral("Tipps/2020")));
}

void TipFilesWindowTest::printoutHeaderFollowsDrawDaysAndLanguage_data()
{
    QTest::addColumn<QDate>("shown");
    QTest::addColumn<bool>("wednesdays");
    QTest::addColumn<int>("sprache");
    QTest::addColumn<QString>("tippWord");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("firstRow");
    const QString prefix = QStringLiteral("Vellhorns Numerant.de Tipp für ");
    QTest::newRow("Saturday shown") << saturday << true << 0 << "Tipp"
                                    << prefix + "Mittwoch 18.03.20" << " 1. Tipp:  3";
    QTest::newRow("Wednesday shown") << wednesday << true << 0 << "Tipp"
                                     << prefix + "Samstag 21.03.20" << " 1. Tipp:  3";
    QTest::newRow("Saturdays only") << saturday << false << 0 << "Tipp"
                                    << prefix + "Samstag 21.03.20" << " 1. Tipp:  3";
    QTest::newRow("English") << saturday << true << 1 << "Tip"
                             << prefix + "Wednesday 18.03.20" << " 1. Tip:  3";
    QTest::newRow("Dutch is number 6") << wednesday << true << 6 << "Tip"
                                       << prefix + "zaterdag 21.03.20" << " 1. Tip:  3";
}

void TipFilesWindowTest::printoutHeaderFollowsDrawDaysAndLanguage()
{
    QFETCH(QDate, shown);
    QFETCH(bool, wednesdays);
    QFETCH(int, sprache);
    QFETCH(QString, tippWord);
    QFETCH(QString, header);
    QFETCH(QString, firstRow);
    window_->session().drawDate = DateSerial::fromDate(shown);
    datenbank().setSaturdays(true);
    datenbank().setWednesdays(wednesdays);
    window_->Sprache = sprache;
    QStringList texts = window_->textTable.lines();
    texts[24] = tippWord;
    window_->textTable.setLines(texts);
    fill({row({"3", "11", "19", "27", "38", "45"})});

    click("BitBtn7");
    const QStringList lines =
        QString::fromUtf8(readAll(path(QStringLiteral("Tipp.txt")))).split(QStringLiteral("\r\n"));
    QVERIFY(lines.size() > 3);
    QCOMPARE(lines[0], header);
    QVERIFY2(lines[3].startsWith(firstRow), qPrintable(lines[3]));
}

void TipFilesWindowTest::failedPrintoutWritesAndOpensNothing_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<bool>("tippIsFolder");
    QTest::addColumn<bool>("fullDisk");
    QTest::newRow("empty cell in a listed row")
        << Rows{row({"3", "11", "19", "27", "38", "45"}), row({"4", "5", "", "7", "8", "9"})}
        << false << false;
    QTest::newRow("last cell empty") << Rows{row({"3", "11", "19", "27", "38", ""})} << false << false;
    QTest::newRow("Tipp.txt cannot be replaced")
        << Rows{row({"3", "11", "19", "27", "38", "45"})} << true << false;
    // Used to open an empty Tipp.txt as if all went well.
    QTest::newRow("full disk") << Rows{row({"3", "11", "19", "27", "38", "45"})} << false << true;
}

void TipFilesWindowTest::failedPrintoutWritesAndOpensNothing()
{
    QFETCH(Rows, rows);
    QFETCH(bool, tippIsFolder);
    QFETCH(bool, fullDisk);
    window_->session().drawDate = DateSerial::fromDate(saturday);
    const QString tipp = path(QStringLiteral("Tipp.txt"));
    if (tippIsFolder)
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("Tipp.txt")));
    else
        QVERIFY(writeFile(tipp, "earlier printout\r\n"));
    fill(rows);

    {
        const FileSizeLimit limit(fullDisk ? 0 : RLIM_INFINITY);
        click("BitBtn7");
    }
    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY(!dialogs_.messages.first().isEmpty());
    QVERIFY(shell_.openedFiles.isEmpty());
    if (!tippIsFolder)
        QCOMPARE(readAll(tipp), QByteArray("earlier printout\r\n"));
}

QTEST_MAIN(TipFilesWindowTest)
#include "tst_tipfiles_window.moc"
