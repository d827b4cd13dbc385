#include "app/pages/DatenbankPage.h"
#include "app/pages/DiagrammPage.h"
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"

#include "FileSizeLimit.h"
#include "WindowFixture.h"

#include <QFile>
#include <QSettings>
#include <QFileInfo>
#include <QPushButton>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString shippedHistory()
{
    return qEnvironmentVariable("NUMERANT_SOURCE_DIR") + QStringLiteral("/data/history/lotto-6aus49.csv");
}

} // namespace

class TestImportWindow : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shippedHistoryImportsAndRoundTripsExactly();
    void badFileChangesNothing();
    void refusesWhatIsNoCsvFile_data();
    void refusesWhatIsNoCsvFile();
    void mergeKeepsStoredDrawsAndNamesDifferences();
    void importCompletesStoredDraws();
    void exportOfTheCountingWindow();
    void failedExportIsReported_data();
    void failedExportIsReported();
    void firstStartOffersTheShippedHistory_data();
    void firstStartOffersTheShippedHistory();

private:
    void openWindow(const std::vector<Draw>& draws);
    void click(const char* name);
    QString writeFile(const char* name, const QByteArray& content);
};

void TestImportWindow::init()
{
    QVERIFY(setUp());
}

void TestImportWindow::cleanup()
{
    tearDown();
}

void TestImportWindow::openWindow(const std::vector<Draw>& draws)
{
    QVERIFY(writeDraws(draws));
    window_ = makeWindow();
    showWindow();
    dialogs_.messages.clear();
}

void TestImportWindow::click(const char* name)
{
    QTest::mouseClick(control<QPushButton>(QLatin1String(name)), Qt::LeftButton);
}

QString TestImportWindow::writeFile(const char* name, const QByteArray& content)
{
    const QString path = dir_->filePath(QLatin1String(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return path;
}

void TestImportWindow::shippedHistoryImportsAndRoundTripsExactly()
{
    openWindow({});
    dialogs_.fileAnswers << shippedHistory();
    click("ImportButton");

    QCOMPARE(dialogs_.fileDialogs.first().proposedName, QStringLiteral("lotto-6aus49.csv"));
    QCOMPARE(dialogs_.messages,
             QStringList{"5040 Ziehungen hinzugefügt, 0 schon gespeichert und behalten, 0 verworfen "
                         "(Mittwochsziehungen vor dem 04.06.1986)."});
    QCOMPARE(DrawFile(databasePath()).recordCount(), 5040);
    QVERIFY(!QFileInfo::exists(databasePath() + u'~'));
    QCOMPARE(window_->session().drawDate, DateSerial::fromDate(QDate(2026, 8, 22)));
    QCOMPARE(window_->session().numbers[1], 7);

    // Export everything, import that into an empty database: the same bytes.
    const QByteArray database = bytesOf(databasePath());
    const QString exported = dir_->filePath(QStringLiteral("export.csv"));
    dialogs_.yesNoAnswers << false; // not only the counting window
    dialogs_.fileAnswers << exported;
    click("ExportButton");
    QByteArray withGameColumns = bytesOf(shippedHistory());
    withGameColumns.replace("\n", ",,\n");
    withGameColumns.replace("bonus,super,,", "bonus,super,spiel77,super6");
    QCOMPARE(bytesOf(exported), withGameColumns);

    QVERIFY(DrawFile(databasePath()).create().isEmpty());
    dialogs_.fileAnswers << exported;
    click("ImportButton");
    QCOMPARE(bytesOf(databasePath()), database);
}

void TestImportWindow::badFileChangesNothing()
{
    openWindow({makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 6}, 7)});
    const QByteArray before = bytesOf(databasePath());
    dialogs_.fileAnswers << writeFile("bad.csv", "Datum;Z1;Z2;Z3;Z4;Z5;Z6;ZZ;SZ\n"
                                                 "11.01.2020;1;2;3;4;5;6;;\n"
                                                 "18.01.2020;1;2;3;4;5;60;;\n"
                                                 "25.01.2020;1;2;3;4;5;6;;\n"
                                                 "01.02.2020;1;1;3;4;5;6;;\n");
    click("ImportButton");

    QCOMPARE(dialogs_.messages.size(), 1);
    const QString message = dialogs_.messages.first();
    QVERIFY2(message.contains(QLatin1String("Zeile 3: Zahl 6 \"60\"")), qPrintable(message));
    QVERIFY2(message.contains(QLatin1String("Zeile 5: die Zahl 1 kommt zweimal vor")), qPrintable(message));
    QVERIFY(!message.contains(QLatin1String("Zeile 2")));
    QCOMPARE(bytesOf(databasePath()), before);
}

void TestImportWindow::refusesWhatIsNoCsvFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expected");
    // Before the check, /dev/zero and the pipe froze the window for good.
    QTest::newRow("endless device") << "device" << "ist keine gewöhnliche Datei";
    QTest::newRow("named pipe, no writer") << "fifo" << "ist keine gewöhnliche Datei";
    QTest::newRow("folder") << "folder" << "ist keine gewöhnliche Datei";
    QTest::newRow("one byte over the limit") << "large" << "größer als 16 MiB";
}

void TestImportWindow::refusesWhatIsNoCsvFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, expected);
    QString path;
    if (kind == QLatin1String("device")) {
        path = QStringLiteral("/dev/zero");
    } else if (kind == QLatin1String("fifo")) {
        path = dir_->filePath(QStringLiteral("draws.csv"));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == QLatin1String("folder")) {
        path = dir_->filePath(QStringLiteral("folder.csv"));
        QVERIFY(QDir().mkpath(path));
    } else {
        path = writeFile("large.csv", "Datum;Z1;Z2;Z3;Z4;Z5;Z6;ZZ;SZ\n");
        QFile file(path);
        QVERIFY(file.resize(16 * 1024 * 1024 + 1)); // sparse: costs no disk
    }
    openWindow({makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 6}, 7)});
    const QByteArray before = bytesOf(databasePath());
    dialogs_.fileAnswers << path;
    click("ImportButton");

    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY2(dialogs_.messages.first().contains(expected), qPrintable(dialogs_.messages.first()));
    QCOMPARE(bytesOf(databasePath()), before);
}

void TestImportWindow::mergeKeepsStoredDrawsAndNamesDifferences()
{
    const Draw stored = makeDraw(QDate(2020, 1, 11), {1, 2, 3, 4, 5, 6}, 7, 3);
    Draw manual = makeDraw(QDate(2020, 1, 18), {11, 12, 13, 14, 15, 16}, 17, 4);
    manual.spiel77 = {1, 2, 3, 4, 5, 6, 7}; // bytes a CSV cannot carry stay as they are
    openWindow({stored, manual});
    dialogs_.fileAnswers << writeFile("more.csv", "2020-01-18,11,12,13,14,15,20,17,4\n"
                                                  "1985-05-01,1,2,3,4,5,6,7,\n"
                                                  "2020-01-15,21,22,23,24,25,26,27,5\n"
                                                  "2020-01-11,6,5,4,3,2,1,7,3\n"
                                                  "2020-01-25,31,32,33,34,35,36,37,6\n");
    click("ImportButton");

    QCOMPARE(dialogs_.messages,
             QStringList{"2 Ziehungen hinzugefügt, 2 schon gespeichert und behalten, 1 verworfen "
                         "(Mittwochsziehungen vor dem 04.06.1986).\nAn diesen Tagen weichen die Zahlen "
                         "der Datei von den gespeicherten ab; die gespeicherten bleiben: 18.01.2020"});
    const std::vector<Draw> now = DrawFile(databasePath()).readAll().value();
    QCOMPARE(now.size(), std::size_t(4));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(&now[0]), 32), QByteArray(reinterpret_cast<const char*>(&stored), 32));
    QCOMPARE(DateSerial::toDate(now[1].datum), QDate(2020, 1, 15));
    QCOMPARE(now[2].spiel77, manual.spiel77);
    QCOMPARE(DateSerial::toDate(now[3].datum), QDate(2020, 1, 25));
    QCOMPARE(window_->session().drawDate, now[3].datum); // the latest draw is current
}

void TestImportWindow::importCompletesStoredDraws()
{
    // As the update stored them: no super number, no digit games.
    const Draw first = makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 6}, 0, 0);
    const Draw second = makeDraw(QDate(2020, 1, 11), {11, 12, 13, 14, 15, 16}, 0, 0);
    openWindow({first, second});
    dialogs_.fileAnswers << writeFile("complete.csv", "date,n1,n2,n3,n4,n5,n6,bonus,super,spiel77,super6\n"
                                                      "2020-01-04,6,5,4,3,2,1,,8,0123456,654321\n"
                                                      "2020-01-11,11,12,13,14,15,17,,9,,\n");
    click("ImportButton");

    QCOMPARE(dialogs_.messages,
             QStringList{"0 Ziehungen hinzugefügt, 2 schon gespeichert und behalten, 0 verworfen "
                         "(Mittwochsziehungen vor dem 04.06.1986).\nUm Superzahl, Spiel 77 oder Super 6 ergänzte "
                         "gespeicherte Ziehungen: 1.\nAn diesen Tagen weichen die Zahlen der Datei von den "
                         "gespeicherten ab; die gespeicherten bleiben: 11.01.2020"});
    const std::vector<Draw> now = DrawFile(databasePath()).readAll().value();
    QCOMPARE(now.size(), std::size_t(2));
    Draw completed = first;
    completed.zahlen[7] = 8;
    completed.spiel77 = {0, 1, 2, 3, 4, 5, 6};
    completed.super6 = {6, 5, 4, 3, 2, 1};
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(&now[0]), 32), QByteArray(reinterpret_cast<const char*>(&completed), 32));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(&now[1]), 32), QByteArray(reinterpret_cast<const char*>(&second), 32));
    QVERIFY(!QFileInfo::exists(databasePath() + u'~'));
}

void TestImportWindow::exportOfTheCountingWindow()
{
    openWindow({makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 6}, 7, 1),
                makeDraw(QDate(2020, 1, 11), {11, 12, 13, 14, 15, 16}, 0, 2),
                makeDraw(QDate(2020, 1, 18), {21, 22, 23, 24, 25, 26}, 27, 3)});
    window_->diagrammPage()->setStartDate(QDate(2020, 1, 5));
    window_->datenbankPage()->setEndDate(QDate(2020, 1, 18));
    const QString path = dir_->filePath(QStringLiteral("window.csv"));
    dialogs_.yesNoAnswers << true;
    dialogs_.fileAnswers << path;
    click("ExportButton");

    QCOMPARE(bytesOf(path), QByteArray("date,n1,n2,n3,n4,n5,n6,bonus,super,spiel77,super6\n"
                                       "2020-01-11,11,12,13,14,15,16,,2,,\n"
                                       "2020-01-18,21,22,23,24,25,26,,3,,\n")); // no bonus since 2013
    QVERIFY(dialogs_.questions.first().contains(QLatin1String("05.01.2020 bis 18.01.2020")));
    QCOMPARE(dialogs_.messages, QStringList());
}

void TestImportWindow::failedExportIsReported_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder")
        << "no-such-folder/x.csv" << false << QString::fromLocal8Bit(std::strerror(ENOENT));
    // Used to cut the file off (or empty it) without a word.
    QTest::newRow("full disk over an earlier export")
        << "x.csv" << true << QString::fromLocal8Bit(std::strerror(EFBIG));
}

void TestImportWindow::failedExportIsReported()
{
    QFETCH(QString, name);
    QFETCH(bool, fullDisk);
    QFETCH(QString, reason);
    openWindow({makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 6}, 7, 1)});
    const QString path = dir_->filePath(name);
    const QByteArray earlier = "date,n1,n2,n3,n4,n5,n6,bonus,super\n2019-12-28,1,2,3,4,5,6,7,0\n";
    if (fullDisk)
        QVERIFY(!writeFile(qPrintable(name), earlier).isEmpty());
    dialogs_.fileAnswers << path;
    {
        const FileSizeLimit limit(fullDisk ? 0 : RLIM_INFINITY);
        click("ExportButton");
    }
    QCOMPARE(dialogs_.errors.size(), 1);
    const QString message = dialogs_.errors.first();
    QVERIFY2(message.startsWith(QLatin1String("Die Datei")) && message.contains(path) && message.contains(reason),
             qPrintable(message));
    if (fullDisk)
        QCOMPARE(bytesOf(path), earlier);
}


void TestImportWindow::firstStartOffersTheShippedHistory_data()
{
    QTest::addColumn<bool>("shipped");   // the history lies beside the program
    QTest::addColumn<bool>("emptyStart"); // the database holds no draw
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("records");    // in the database after the start

    QTest::newRow("yes loads it") << true << true << true << true << 3;
    QTest::newRow("no leaves it empty") << true << true << false << true << 0;
    QTest::newRow("draws stored already") << true << false << true << false << 1;
    QTest::newRow("nothing delivered") << false << true << true << false << 0;
}

void TestImportWindow::firstStartOffersTheShippedHistory()
{
    QFETCH(bool, shipped);
    QFETCH(bool, emptyStart);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(int, records);

    QVERIFY(setUp(Folders::Separate));
    const QByteArray history = "date,n1,n2,n3,n4,n5,n6,bonus,super\n"
                               "1955-10-09,3,12,13,16,23,41,,\n"
                               "1994-11-19,2,9,13,21,23,37,44,\n"
                               "2026-08-22,7,16,22,28,30,31,,4\n";
    if (shipped) {
        QFile file(programDir_ + QStringLiteral("lotto-6aus49.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(history);
    }
    std::vector<Draw> draws;
    if (!emptyStart)
        draws.push_back(makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 6}, 7));
    QVERIFY(writeDraws(draws));
    dialogs_.yesNoAnswers.enqueue(answer);
    window_ = makeWindow();
    showWindow();
    QTRY_VERIFY(!window_->isBusy());

    const QString question = QStringLiteral("Mitgelieferte Ziehungen|Die Datenbank ist leer. Die "
                                            "mitgelieferten Ziehungen vom 09.10.1955 bis 22.08.2026 laden?");
    QCOMPARE(dialogs_.questions, asked ? QStringList{question} : QStringList());
    const std::vector<Draw> stored = DrawFile(databasePath()).readAll().value_or(std::vector<Draw>{});
    QCOMPARE(int(stored.size()), records);
    if (asked && answer) {
        // As the import button does: the summary, and the latest draw current.
        QCOMPARE(dialogs_.messages.size(), 1);
        QVERIFY2(dialogs_.messages.first().startsWith(QLatin1String("3 ")), qPrintable(dialogs_.messages.first()));
        QCOMPARE(window_->session().drawDate, stored.back().datum);
    }

    // The answer is remembered: a later start never asks again.
    window_->close();
    window_.reset();
    if (asked)
        QCOMPARE(QSettings(settingsPath_, QSettings::IniFormat).value(QStringLiteral("HistoryOffered")).toBool(), answer);
    dialogs_.questions.clear();
    dialogs_.yesNoAnswers.enqueue(true);
    window_ = makeWindow();
    showWindow();
    QTRY_VERIFY(!window_->isBusy());
    if (asked)
        QCOMPARE(dialogs_.questions, QStringList());
    QCOMPARE(int(DrawFile(databasePath()).recordCount()), records);
}

QTEST_MAIN(TestImportWindow)
#include "tst_import_window.moc"
