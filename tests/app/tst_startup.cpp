#include "app/SignalCloser.h"
#include "draws/DateSerial.h"
#include "draws/DrawFile.h"
#include "platform/RadioGroup.h"
#include "platform/SettingsStore.h"
#include "platform/UpDown.h"

#include "FileBytes.h"
#include "PipeUnblocker.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

#include <sys/stat.h>

#include <cmath>
#include <csignal>
#include <cstring>
#include <limits>

namespace {

const QDate kDesignStartDate(2015, 10, 7);
const QDate kEarliestDate(1994, 11, 19);
const int kDesignWidth = 560;
const int kDesignHeight = 460;

// The window has no CheckBox33 and no UpDown19; their stored values are only
// carried along.
const QList<int> kCheckBoxes = [] {
    QList<int> numbers;
    for (int i = 1; i <= 35; ++i)
        if (i != 33)
            numbers << i;
    return numbers;
}();
const QList<int> kUpDowns = [] {
    QList<int> numbers;
    for (int i = 1; i <= 21; ++i)
        if (i != 19)
            numbers << i;
    return numbers;
}();

// Every value the save sequence writes.
QStringList saveList()
{
    QStringList names{QStringLiteral("NeuerSchein"), QStringLiteral("Losnummer")};
    for (int i = 1; i <= 35; ++i)
        if (i != 21)
            names << QStringLiteral("Chekcbox%1").arg(i);
    names << QStringLiteral("height") << QStringLiteral("width") << QStringLiteral("Sprache")
          << QStringLiteral("TippTop") << QStringLiteral("TippLeft")
          << QStringLiteral("RadioGroup1") << QStringLiteral("RadioGroup2");
    for (int i = 1; i <= 21; ++i)
        names << QStringLiteral("UpDown%1").arg(i);
    for (int i = 1; i <= 79; ++i)
        if (i <= 36 || (i >= 43 && i <= 54) || i >= 56)
            names << QStringLiteral("Edit%1").arg(i);
    names << QStringLiteral("ZWEIPREIS") << QStringLiteral("EINPREIS") << QStringLiteral("Browser")
          << QStringLiteral("URLEdit") << QStringLiteral("ProxyHostEdit")
          << QStringLiteral("ProxyPortEdit") << QStringLiteral("DateTimePicker2")
          << QStringLiteral("Land") << QStringLiteral("Spiel77Ja") << QStringLiteral("Super6Ja")
          << QStringLiteral("GlueckJa") << QStringLiteral("ScheinTage") << QStringLiteral("ScheinWochen")
          << QStringLiteral("ScheinAb");
    return names;
}

// Every control the start-up and save sequences address, by name.
QStringList missingControls(const QObject& window)
{
    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    if (!pages)
        return {QStringLiteral("PageControl1")};
    QStringList missing;
    auto need = [&](const char* type, const QString& name) {
        const QObject* found = pages->findChild<QObject*>(name);
        if (!found || !found->inherits(type))
            missing << name;
    };
    for (int i : kCheckBoxes)
        need("QCheckBox", QStringLiteral("CheckBox%1").arg(i));
    for (int i : kUpDowns)
        need("UpDown", QStringLiteral("UpDown%1").arg(i));
    for (const QString& name : saveList())
        if (name.startsWith(QLatin1String("Edit")))
            need("QLineEdit", name);
    for (const char* name : {"Edit81", "Edit82", "URLEdit", "ProxyHostEdit", "ProxyPortEdit"})
        need("QLineEdit", QLatin1String(name));
    for (const char* name : {"RadioGroup1", "RadioGroup2"})
        need("RadioGroup", QLatin1String(name));
    for (const char* name : {"DateTimePicker1", "DateTimePicker2"})
        need("QDateEdit", QLatin1String(name));
    return missing;
}

// A position other than the current one, inside the spin field's range.
int otherPosition(const UpDown* spin)
{
    return spin->position() == spin->maximum() ? spin->minimum() : spin->maximum();
}

} // namespace

class TestStartup : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstStartKeepsDesignValues();
    void firstStartCreatesEmptyDatabase();
    void existingDatabaseIsKept();
    void unwritableHomeIsReported();
    void damagedRecordsAreCountedOnce_data();
    void damagedRecordsAreCountedOnce();
    void readOnlyProgramFolderDatabaseIsCopied();
    void closeWritesEveryValueAndNextStartRestoresThem();
    void saveWritesTheRecordedFileAndLoadRestoresIt();
    void startDateRule_data();
    void startDateRule();
    void weekdayBoxes_data();
    void weekdayBoxes();
    void storedSizeFitsTheScreen_data();
    void storedSizeFitsTheScreen();
    void wrongTypeEndsOnlyItsGroup();
    void unguardedValuesOfWrongTypeKeepDesign();
    void olderBooleanNeuerScheinReadsAsOne();
    void unknownLanguageLeavesGermanTexts();
    void closeBeforeStartUpKeepsStoredSettings();
    void startUpRunsOnce();
    void settingsPipeIsNeitherReadNorWritten();
    void terminationSignalSavesSettings_data();
    void terminationSignalSavesSettings();

private:
    std::unique_ptr<TForm1> startWindow();
};

void TestStartup::init()
{
    QVERIFY(setUp());
    // The cases below dereference these controls; without them nothing can be checked.
    const QStringList missing = missingControls(*makeWindow());
    QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("missing: ") + missing.join(u' ')));
}

void TestStartup::cleanup()
{
    tearDown();
}

std::unique_ptr<TForm1> TestStartup::startWindow()
{
    auto window = makeWindow();
    window->FormShow();
    return window;
}

void TestStartup::firstStartKeepsDesignValues()
{
    auto design = makeWindow(); // never started: pure design state
    auto window = startWindow();

    QCOMPARE(control<QDateEdit>(*window, QStringLiteral("DateTimePicker2"))->date(),
             kDesignStartDate);
    QCOMPARE(control<QLineEdit>(*window, QStringLiteral("ProxyPortEdit"))->text(),
             QStringLiteral("80"));
    QCOMPARE(control<QLineEdit>(*window, QStringLiteral("Edit81"))->text(), QStringLiteral("0,50"));
    QCOMPARE(control<QLineEdit>(*window, QStringLiteral("Edit82"))->text(), QStringLiteral("1,00"));
    QVERIFY(control<QCheckBox>(*window, QStringLiteral("CheckBox16"))->isChecked());
    QVERIFY(control<QCheckBox>(*window, QStringLiteral("CheckBox17"))->isChecked());
    for (int i : kUpDowns) {
        const QString name = QStringLiteral("UpDown%1").arg(i);
        QCOMPARE(control<UpDown>(*window, name)->position(), control<UpDown>(*design, name)->position());
    }
    QCOMPARE(window->size(), design->size());
    QCOMPARE(window->session().runLimit, control<UpDown>(*window, QStringLiteral("UpDown7"))->position() * 1000);
    QCOMPARE(window->Sprache, 0);
    QCOMPARE(window->Land, 1);
    QCOMPARE(window->TippTop, 39);
    QCOMPARE(window->TippLeft, 47);
    QVERIFY(window->session().ticket.number.isEmpty());
    QVERIFY(window->session().ratingOn);
    QCOMPARE(control<QDateEdit>(*window, QStringLiteral("DateTimePicker1"))->date(),
             QDate::currentDate());
    QCOMPARE(window->session().workingDate, DateSerial::fromDate(kDesignStartDate));
    // Conversions use "," and "." whatever the machine's locale is.
    QCOMPARE(QLocale().toString(1234.5, 'f', 1), QStringLiteral("1.234,5"));
    QVERIFY(dialogs_.messages.isEmpty());
}

void TestStartup::firstStartCreatesEmptyDatabase()
{
    const QString database = dir_->filePath(QStringLiteral("ZahlenOB.dat"));
    QVERIFY(!QFileInfo::exists(database));
    auto window = startWindow();
    QCOMPARE(window->databasePath(), database);
    QVERIFY(QFileInfo::exists(database));
    QCOMPARE(QFileInfo(database).size(), 0);
}

void TestStartup::existingDatabaseIsKept()
{
    const QString database = writeDatabase(
        dir_->path(), {makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 6}, 7),
                       makeDraw(QDate(2020, 1, 8), {8, 9, 10, 11, 12, 13}, 14)});
    QVERIFY(!database.isEmpty());
    auto window = startWindow();
    QCOMPARE(QFileInfo(database).size(), 64);
}

void TestStartup::unwritableHomeIsReported()
{
    // A regular file where the folder should be: the database cannot be created.
    QFile blocker(dir_->filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    auto window = makeWindow(blocker.fileName() + QLatin1Char('/'));
    window->FormShow();
    QVERIFY(!dialogs_.messages.isEmpty());
    QVERIFY(window->session().ratingOn); // start-up went on
}

void TestStartup::damagedRecordsAreCountedOnce_data()
{
    QTest::addColumn<QList<Draw>>("damaged"); // stored after two sound draws
    QTest::addColumn<QString>("said");

    Draw bytes;
    std::memset(static_cast<void*>(&bytes), 0xF5, sizeof bytes); // random bytes, say
    Draw numberOutOfRange = makeDraw(QDate(2020, 2, 1), {3, 11, 17, 25, 38, 245}, 0);
    Draw bonusOutOfRange = makeDraw(QDate(2020, 2, 5), {3, 11, 17, 25, 38, 44}, 50);
    Draw superOutOfRange = makeDraw(QDate(2020, 2, 8), {3, 11, 17, 25, 38, 44}, 0, 10);
    Draw noDay = makeDraw(QDate(2020, 2, 12), {3, 11, 17, 25, 38, 44}, 0);
    noDay.datum = std::nan("");

    QTest::newRow("none") << QList<Draw>{} << QString();
    QTest::newRow("random bytes")
        << QList<Draw>{bytes} << "1 Datensatz von „ZahlenOB.dat“ ist beschädigt und wird übersprungen.";
    QTest::newRow("each value out of range")
        << QList<Draw>{numberOutOfRange, bonusOutOfRange, superOutOfRange, noDay}
        << "4 Datensätze von „ZahlenOB.dat“ sind beschädigt und werden übersprungen.";
}

void TestStartup::damagedRecordsAreCountedOnce()
{
    QFETCH(QList<Draw>, damaged);
    QFETCH(QString, said);

    std::vector<Draw> draws{makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 6}, 7, 3),
                            makeDraw(QDate(2020, 1, 8), {8, 9, 10, 11, 12, 13}, 0, 9)};
    draws.insert(draws.end(), damaged.begin(), damaged.end());
    const QString database = writeDatabase(dir_->path(), draws);
    QFile file(database);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    auto window = startWindow();
    if (said.isEmpty())
        QVERIFY2(!window->statusPanel(0).contains(QStringLiteral("beschädigt")),
                 qPrintable(window->statusPanel(0)));
    else
        QCOMPARE(window->statusPanel(0), said);
    // Said once: a later rating with the same file leaves the panel to others.
    window->setStatusPanel(0, QString());
    window->SpeedButton5Click();
    QCOMPARE(window->statusPanel(0), QString());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    QVERIFY(dialogs_.messages.isEmpty());
}

void TestStartup::readOnlyProgramFolderDatabaseIsCopied()
{
    // The program folder holds the draws; the window writes into a folder of
    // its own, as it does when the program folder cannot be written.
    const std::vector<Draw> draws{makeDraw(QDate(2020, 1, 4), {1, 2, 3, 4, 5, 6}, 7),
                                  makeDraw(QDate(2020, 1, 8), {8, 9, 10, 11, 12, 13}, 14)};
    const QString delivered = writeDatabase(programDir_, draws);
    QVERIFY(QFile::setPermissions(delivered, QFile::ReadOwner | QFile::ReadGroup));
    const QString user = dir_->filePath(QStringLiteral("user")) + QLatin1Char('/');
    QVERIFY(QDir().mkpath(user));

    auto window = makeWindow(user);
    window->FormShow();

    QCOMPARE(window->databasePath(), user + QStringLiteral("ZahlenOB.dat"));
    QCOMPARE(DrawFile(window->databasePath()).recordCount(), 2);
    QVERIFY(QFileInfo(window->databasePath()).isWritable());
    QCOMPARE(window->session().drawDate, draws[1].datum); // the latest copied draw is shown
    QVERIFY2(window->statusPanel(0).contains(QDir::toNativeSeparators(delivered)),
             qPrintable(window->statusPanel(0)));
    QVERIFY(!QFileInfo::exists(window->databasePath() + QLatin1Char('~')));
    QVERIFY(dialogs_.messages.isEmpty());
    window.reset();

    // The copy is the database from now on: it is neither copied nor announced again.
    QVERIFY(DrawFile(user + QStringLiteral("ZahlenOB.dat")).append({makeDraw(QDate(2020, 1, 11), {1, 2, 3, 4, 5, 7}, 8)}).isEmpty());
    auto second = makeWindow(user);
    second->FormShow();
    QCOMPARE(DrawFile(second->databasePath()).recordCount(), 3);
    QVERIFY2(!second->statusPanel(0).contains(QDir::toNativeSeparators(delivered)),
             qPrintable(second->statusPanel(0)));
}

void TestStartup::closeWritesEveryValueAndNextStartRestoresThem()
{
    {
        SettingsStore store(settingsPath_);
        store.writeInt(QStringLiteral("UpDown19"), 77);
        store.sync();
    }
    auto first = startWindow();
    QMap<QString, QString> cells;
    int n = 0;
    for (int i = 1; i <= 79; ++i) {
        if (i <= 36 || (i >= 43 && i <= 54) || i >= 56) {
            auto* cell = control<QLineEdit>(*first, QStringLiteral("Edit%1").arg(i));
            cell->setText(QString::number(++n % 49 + 1));
            cells[cell->objectName()] = cell->text();
        }
    }
    QCOMPARE(cells.size(), 72);
    QMap<QString, int> positions;
    for (int i : kUpDowns) {
        auto* spin = control<UpDown>(*first, QStringLiteral("UpDown%1").arg(i));
        spin->setPosition(otherPosition(spin));
        positions[spin->objectName()] = spin->position();
    }
    QMap<QString, bool> boxes;
    for (int i : kCheckBoxes) {
        auto* box = control<QCheckBox>(*first, QStringLiteral("CheckBox%1").arg(i));
        box->setChecked(i == 16 || !box->isChecked()); // one weekday box must stay on
        boxes[box->objectName()] = box->isChecked();
    }
    auto* radio1 = control<RadioGroup>(*first, QStringLiteral("RadioGroup1"));
    auto* radio2 = control<RadioGroup>(*first, QStringLiteral("RadioGroup2"));
    radio1->setItemIndex(1);
    radio2->setItemIndex(0);
    control<QDateEdit>(*first, QStringLiteral("DateTimePicker2"))->setDate(QDate(2020, 2, 29));
    control<QLineEdit>(*first, QStringLiteral("Edit81"))->setText(QStringLiteral("0,75"));
    control<QLineEdit>(*first, QStringLiteral("Edit82"))->setText(QStringLiteral("1,50"));
    control<QLineEdit>(*first, QStringLiteral("URLEdit"))->setText(QStringLiteral("http://a/b"));
    control<QLineEdit>(*first, QStringLiteral("ProxyHostEdit"))->setText(QStringLiteral("proxy.lan"));
    control<QLineEdit>(*first, QStringLiteral("ProxyPortEdit"))->setText(QStringLiteral("3128"));
    first->resize(first->width() + 40, first->height() + 30);
    const QSize size = first->size();
    first->Sprache = 9;
    first->session().ticket.number = QStringLiteral("1234567");
    first->Land = 5;
    first->session().ticket.newTicket = 1;
    first->session().ticket.spiel77 = 1;
    first->session().ticket.super6 = 1;
    first->session().ticket.gluecksSpirale = 1;
    first->session().ticket.days = 2;
    first->session().ticket.weeks = 0;
    first->session().ticket.firstDate = DateSerial::fromDate(QDate(2021, 3, 6));
    first->TippTop = 3;
    first->TippLeft = 4;
    first->close();

    {
        const SettingsStore stored(settingsPath_);
        for (const QString& name : saveList())
            QVERIFY2(stored.contains(name), qPrintable(name));
        // Values without a control in this window are carried, not reset.
        QCOMPARE(stored.readInt(QStringLiteral("UpDown19")).value, 77);
    }

    auto next = startWindow();
    for (auto it = cells.cbegin(); it != cells.cend(); ++it)
        QCOMPARE(control<QLineEdit>(*next, it.key())->text(), it.value());
    for (auto it = positions.cbegin(); it != positions.cend(); ++it)
        QCOMPARE(control<UpDown>(*next, it.key())->position(), it.value());
    for (auto it = boxes.cbegin(); it != boxes.cend(); ++it)
        QCOMPARE(control<QCheckBox>(*next, it.key())->isChecked(), it.value());
    QCOMPARE(control<RadioGroup>(*next, QStringLiteral("RadioGroup1"))->itemIndex(), 1);
    QCOMPARE(control<RadioGroup>(*next, QStringLiteral("RadioGroup2"))->itemIndex(), 0);
    QCOMPARE(control<QDateEdit>(*next, QStringLiteral("DateTimePicker2"))->date(), QDate(2020, 2, 29));
    QCOMPARE(control<QLineEdit>(*next, QStringLiteral("Edit81"))->text(), QStringLiteral("0,75"));
    QCOMPARE(control<QLineEdit>(*next, QStringLiteral("Edit82"))->text(), QStringLiteral("1,50"));
    QCOMPARE(control<QLineEdit>(*next, QStringLiteral("URLEdit"))->text(), QStringLiteral("http://a/b"));
    QCOMPARE(control<QLineEdit>(*next, QStringLiteral("ProxyHostEdit"))->text(), QStringLiteral("proxy.lan"));
    QCOMPARE(control<QLineEdit>(*next, QStringLiteral("ProxyPortEdit"))->text(), QStringLiteral("3128"));
    QCOMPARE(next->size(), size);
    QCOMPARE(next->Sprache, 9);
    QCOMPARE(next->session().ticket.number, QStringLiteral("1234567"));
    QCOMPARE(next->Land, 5);
    QCOMPARE(next->session().ticket.newTicket, 1);
    QCOMPARE(next->session().ticket.spiel77, 1);
    QCOMPARE(next->session().ticket.super6, 1);
    QCOMPARE(next->session().ticket.gluecksSpirale, 1);
    QCOMPARE(next->session().ticket.days, 2);
    QCOMPARE(next->session().ticket.weeks, 0);
    QCOMPARE(next->session().ticket.firstDate, DateSerial::fromDate(QDate(2021, 3, 6)));
    // The ticket panel shows the restored ticket.
    QCOMPARE(control<QLineEdit>(*next, QStringLiteral("LosnummerEdit"))->text(), QStringLiteral("1234567"));
    QVERIFY(control<QCheckBox>(*next, QStringLiteral("Spiel77Box"))->isChecked());
    QVERIFY(control<QCheckBox>(*next, QStringLiteral("Super6Box"))->isChecked());
    QVERIFY(control<QCheckBox>(*next, QStringLiteral("WednesdayBox"))->isChecked());
    QVERIFY(!control<QCheckBox>(*next, QStringLiteral("SaturdayBox"))->isChecked());
    QCOMPARE(control<QDateEdit>(*next, QStringLiteral("TicketFirstDate"))->date(), QDate(2021, 3, 6));
    QCOMPARE(control<QComboBox>(*next, QStringLiteral("TicketWeeks"))->currentIndex(), 5);
    QCOMPARE(next->TippTop, 3);
    QCOMPARE(next->TippLeft, 4);
    QCOMPARE(next->session().runLimit, positions.value(QStringLiteral("UpDown7")) * 1000);
}

// A save of a window started from the recorded file, written before the
// settings were declared in one table. Every value in it differs from the
// design state, so a value the start-up fails to restore, or the save fails
// to write, changes the file.
void TestStartup::saveWritesTheRecordedFileAndLoadRestoresIt()
{
    const QString recorded = qEnvironmentVariable("NUMERANT_SOURCE_DIR")
                             + QStringLiteral("/tests/app/data/saved-settings.ini");
    const QByteArray expected = readBytes(recorded);
    QVERIFY2(!expected.isEmpty(), qPrintable(recorded));
    QVERIFY(writeBytes(settingsPath_, expected));

    auto window = startWindow();
    // The save must write every value from the window, not carry the file's.
    QVERIFY(QFile::remove(settingsPath_));
    window->close();
    QCOMPARE(readBytes(settingsPath_).split('\n'), expected.split('\n'));
    window.reset();

    QVERIFY(QFile::remove(settingsPath_));
    startWindow()->close();
    const QSettings design(settingsPath_, QSettings::IniFormat);
    const QSettings restored(recorded, QSettings::IniFormat);
    QCOMPARE(restored.allKeys().size(), saveList().size() + 1); // and ServiceUrlEdit
    for (const QString& key : restored.allKeys()) {
        if (key == u"Chekcbox33" || key == u"UpDown19")
            continue; // no control: carried, or 0 on a first save
        if (key == u"Chekcbox16")
            continue; // on, as designed: one weekday must stay on
        QVERIFY2(design.value(key) != restored.value(key), qPrintable(key));
    }
}

// stored: "days:N" for today + N, "none", "text", "short", "nan".
void TestStartup::startDateRule_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QDate>("expected");

    const QDate today = QDate::currentDate();
    QTest::newRow("absent: design date") << "none" << kDesignStartDate;
    QTest::newRow("yesterday: earliest") << "days:-1" << kEarliestDate;
    QTest::newRow("today: earliest") << "days:0" << kEarliestDate;
    QTest::newRow("next year: earliest") << "days:365" << kEarliestDate;
    QTest::newRow("six days ago: earliest") << "days:-6" << kEarliestDate;
    QTest::newRow("seven days ago stays") << "days:-7" << today.addDays(-7);
    QTest::newRow("eight days ago stays") << "days:-8" << today.addDays(-8);
    QTest::newRow("text: earliest") << "text" << kEarliestDate;
    QTest::newRow("four bytes: earliest") << "short" << kEarliestDate;
    QTest::newRow("not a number: earliest") << "nan" << kEarliestDate;
}

void TestStartup::startDateRule()
{
    QFETCH(QString, stored);
    QFETCH(QDate, expected);
    {
        SettingsStore store(settingsPath_);
        const QString name = QStringLiteral("DateTimePicker2");
        if (stored.startsWith(QLatin1String("days:")))
            store.writeDate(name, DateSerial::today() + stored.mid(5).toInt());
        else if (stored == QLatin1String("text"))
            store.writeString(name, QStringLiteral("07.10.2015"));
        else if (stored == QLatin1String("nan"))
            store.writeDate(name, std::numeric_limits<double>::quiet_NaN());
        store.sync();
    }
    if (stored == QLatin1String("short"))
        QSettings(settingsPath_, QSettings::IniFormat)
            .setValue(QStringLiteral("DateTimePicker2"), QByteArray("abcd"));

    auto window = startWindow();
    QCOMPARE(control<QDateEdit>(*window, QStringLiteral("DateTimePicker2"))->date(), expected);
    QCOMPARE(window->session().workingDate, DateSerial::fromDate(expected));
}

void TestStartup::weekdayBoxes_data()
{
    QTest::addColumn<bool>("stored16");
    QTest::addColumn<bool>("stored17");
    QTest::addColumn<bool>("checked16");
    QTest::addColumn<bool>("checked17");
    QTest::newRow("both cleared: both checked") << false << false << true << true;
    QTest::newRow("only Saturday") << true << false << true << false;
    QTest::newRow("only Wednesday") << false << true << false << true;
}

void TestStartup::weekdayBoxes()
{
    QFETCH(bool, stored16);
    QFETCH(bool, stored17);
    QFETCH(bool, checked16);
    QFETCH(bool, checked17);
    {
        SettingsStore store(settingsPath_);
        store.writeBool(QStringLiteral("Chekcbox16"), stored16);
        store.writeBool(QStringLiteral("Chekcbox17"), stored17);
        store.sync();
    }
    auto window = startWindow();
    QCOMPARE(control<QCheckBox>(*window, QStringLiteral("CheckBox16"))->isChecked(), checked16);
    QCOMPARE(control<QCheckBox>(*window, QStringLiteral("CheckBox17"))->isChecked(), checked17);
}

void TestStartup::storedSizeFitsTheScreen_data()
{
    QTest::addColumn<int>("storedWidth");
    QTest::addColumn<int>("storedHeight");
    QTest::addColumn<bool>("fits");
    const int most = std::numeric_limits<qint32>::max();
    QTest::newRow("a little larger than designed") << kDesignWidth + 40 << kDesignHeight + 30 << true;
    QTest::newRow("far beyond the screen") << 100000 << 100000 << false;
    QTest::newRow("largest number") << most << most << false;
    QTest::newRow("only the height too large") << kDesignWidth << most << false;
}

// A size beyond the screen, once stored, used to bring down every start.
void TestStartup::storedSizeFitsTheScreen()
{
    QFETCH(int, storedWidth);
    QFETCH(int, storedHeight);
    QFETCH(bool, fits);
    {
        SettingsStore store(settingsPath_);
        store.writeInt(QStringLiteral("width"), storedWidth);
        store.writeInt(QStringLiteral("height"), storedHeight);
        store.sync();
    }
    window_ = makeWindow();
    const QSize design = window_->size();
    QCOMPARE(design, QSize(kDesignWidth, kDesignHeight));
    showWindow();
    QVERIFY(window_->screen());
    const QSize available = window_->screen()->availableSize();
    const QSize limit(std::max(available.width(), design.width()), std::max(available.height(), design.height()));
    if (fits) {
        if (storedWidth > limit.width() || storedHeight > limit.height())
            QSKIP("the screen is smaller than this case needs");
        QCOMPARE(window_->size(), QSize(storedWidth, storedHeight));
    } else {
        QCOMPARE(window_->size(), QSize(std::min(storedWidth, limit.width()), std::min(storedHeight, limit.height())));
    }
    window_->repaint(); // painting at the restored scale must work too
}

void TestStartup::wrongTypeEndsOnlyItsGroup()
{
    auto design = makeWindow();
    const bool box1 = control<QCheckBox>(*design, QStringLiteral("CheckBox1"))->isChecked();
    const bool box3 = control<QCheckBox>(*design, QStringLiteral("CheckBox3"))->isChecked();
    auto* spin1 = control<UpDown>(*design, QStringLiteral("UpDown1"));
    auto* spin2 = control<UpDown>(*design, QStringLiteral("UpDown2"));
    const QString cell1 = control<QLineEdit>(*design, QStringLiteral("Edit1"))->text();
    {
        SettingsStore store(settingsPath_);
        // First group: CheckBox1 applied, the broken CheckBox2 ends it.
        store.writeBool(QStringLiteral("Chekcbox1"), !box1);
        store.writeString(QStringLiteral("Chekcbox2"), QStringLiteral("kaputt"));
        store.writeBool(QStringLiteral("Chekcbox3"), !box3);
        store.writeInt(QStringLiteral("Land"), 7);
        store.writeInt(QStringLiteral("height"), design->height() + 50);
        // Next group: UpDown1 applied, UpDown2 broken, the cells not read.
        store.writeInt(QStringLiteral("UpDown1"), otherPosition(spin1));
        store.writeString(QStringLiteral("UpDown2"), QStringLiteral("zwölf"));
        store.writeString(QStringLiteral("Edit1"), QStringLiteral("17"));
        // Later groups are read as usual.
        store.writeString(QStringLiteral("Losnummer"), QStringLiteral("42"));
        store.writeString(QStringLiteral("ProxyHostEdit"), QStringLiteral("proxy.lan"));
        store.writeString(QStringLiteral("ProxyPortEdit"), QStringLiteral("8080"));
        store.sync();
    }

    auto window = startWindow();
    QCOMPARE(control<QCheckBox>(*window, QStringLiteral("CheckBox1"))->isChecked(), !box1);
    QCOMPARE(control<QCheckBox>(*window, QStringLiteral("CheckBox3"))->isChecked(), box3);
    QCOMPARE(window->Land, 1);
    QCOMPARE(window->height(), design->height());
    QCOMPARE(control<UpDown>(*window, QStringLiteral("UpDown1"))->position(), otherPosition(spin1));
    QCOMPARE(control<UpDown>(*window, QStringLiteral("UpDown2"))->position(), spin2->position());
    QCOMPARE(control<QLineEdit>(*window, QStringLiteral("Edit1"))->text(), cell1);
    QCOMPARE(window->session().ticket.number, QStringLiteral("42"));
    QCOMPARE(control<QLineEdit>(*window, QStringLiteral("ProxyHostEdit"))->text(), QStringLiteral("proxy.lan"));
    QCOMPARE(control<QLineEdit>(*window, QStringLiteral("ProxyPortEdit"))->text(), QStringLiteral("8080"));
}

void TestStartup::unguardedValuesOfWrongTypeKeepDesign()
{
    auto design = makeWindow();
    const int item1 = control<RadioGroup>(*design, QStringLiteral("RadioGroup1"))->itemIndex();
    {
        SettingsStore store(settingsPath_);
        store.writeString(QStringLiteral("RadioGroup1"), QStringLiteral("eins"));
        store.writeInt(QStringLiteral("RadioGroup2"), 0);
        store.writeDate(QStringLiteral("Losnummer"), 1.0); // binary where text belongs
        store.writeString(QStringLiteral("EINPREIS"), QStringLiteral("2,00"));
        store.sync();
    }
    auto window = startWindow();
    QCOMPARE(control<RadioGroup>(*window, QStringLiteral("RadioGroup1"))->itemIndex(), item1);
    QCOMPARE(control<RadioGroup>(*window, QStringLiteral("RadioGroup2"))->itemIndex(), 0);
    QVERIFY(window->session().ticket.number.isEmpty());
    QCOMPARE(control<QLineEdit>(*window, QStringLiteral("Edit82"))->text(), QStringLiteral("2,00"));
}

void TestStartup::olderBooleanNeuerScheinReadsAsOne()
{
    QFile file(settingsPath_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\nNeuerSchein=true\n");
    file.close();
    auto window = startWindow();
    QCOMPARE(window->session().ticket.newTicket, 1);
}

void TestStartup::unknownLanguageLeavesGermanTexts()
{
    {
        SettingsStore store(settingsPath_);
        store.writeInt(QStringLiteral("Sprache"), 9);
        store.sync();
    }
    auto window = startWindow();
    QCOMPARE(window->Sprache, 9);
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    QVERIFY(tabs);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Lottotipp"));
    QCOMPARE(tabs->tabText(4), QStringLiteral("Internet-Optionen"));
    QVERIFY(dialogs_.messages.isEmpty());
}

void TestStartup::closeBeforeStartUpKeepsStoredSettings()
{
    {
        SettingsStore store(settingsPath_);
        store.writeInt(QStringLiteral("Sprache"), 3);
        store.writeString(QStringLiteral("Edit1"), QStringLiteral("17"));
        store.sync();
    }
    makeWindow()->close();
    const SettingsStore stored(settingsPath_);
    QCOMPARE(stored.readInt(QStringLiteral("Sprache")).value, 3);
    QCOMPARE(stored.readString(QStringLiteral("Edit1")).value, QStringLiteral("17"));
}

void TestStartup::startUpRunsOnce()
{
    auto window = startWindow();
    auto* cell = control<QLineEdit>(*window, QStringLiteral("Edit1"));
    cell->setText(QStringLiteral("23"));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCoreApplication::processEvents();
    window->FormShow();
    QCOMPARE(cell->text(), QStringLiteral("23"));
}

// A pipe in place of the settings file used to block the start for good,
// with the window black and deaf to SIGTERM.
void TestStartup::settingsPipeIsNeitherReadNorWritten()
{
    QVERIFY(QFile::remove(settingsPath_) || !QFileInfo::exists(settingsPath_));
    QVERIFY(::mkfifo(QFile::encodeName(settingsPath_).constData(), 0600) == 0);
    PipeUnblocker guard(settingsPath_, std::chrono::seconds(10));

    auto window = startWindow();
    QCOMPARE(window->Sprache, 0);
    QVERIFY(window->session().ticket.number.isEmpty());
    control<QLineEdit>(*window, QStringLiteral("Edit1"))->setText(QStringLiteral("17"));
    window->close();
    QVERIFY2(!guard.finish(), "the settings were opened although they are a pipe");

    QCOMPARE(dialogs_.messages.size(), 1);
    QVERIFY2(dialogs_.errors.value(0).contains(settingsPath_), qPrintable(dialogs_.messages.first()));
    QVERIFY(QFileInfo(settingsPath_).exists() && !QFileInfo(settingsPath_).isFile());
}

void TestStartup::terminationSignalSavesSettings_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

void TestStartup::terminationSignalSavesSettings()
{
    QFETCH(int, signalNumber);
    auto window = startWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    control<QLineEdit>(*window, QStringLiteral("Edit1"))->setText(QStringLiteral("31"));

    SignalCloser closer(window.get());
    QVERIFY(closer.isInstalled());
    QSignalSpy closed(&closer, &SignalCloser::closedOnSignal);
    std::raise(signalNumber);
    QTRY_COMPARE(closed.count(), 1);
    QCOMPARE(closed.first().first().toInt(), signalNumber);
    QVERIFY(!window->isVisible());

    const SettingsStore stored(settingsPath_);
    QCOMPARE(stored.readString(QStringLiteral("Edit1")).value, QStringLiteral("31"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
