#include "platform/SettingsStore.h"

#include "PipeUnblocker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

#include <cerrno>
#include <sys/stat.h>
#include <sys/sysmacros.h>

// Values are written by one store and read by a fresh one, so what is checked
// is what survives the file, not the in-memory cache.
class TestSettingsStore : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void perUserStoreLivesUnderVendorAndProduct();
    void roundTrip_data();
    void roundTrip();
    void valueKinds_data();
    void valueKinds();
    void groupEndsAtFirstWrongType();
    void absentValueDoesNotEndGroup();
    void corruptFileReadsAsAbsent();
    void unwritableFileFailsQuietly();
    void notARegularFileIsLeftAlone_data();
    void notARegularFileIsLeftAlone();

private:
    QString writeRaw(const QByteArray& ini);

    QTemporaryDir dir_;
    int fileCounter_ = 0;
};

void TestSettingsStore::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dir_.isValid());
}

QString TestSettingsStore::writeRaw(const QByteArray& ini)
{
    const QString path = dir_.filePath(QStringLiteral("raw%1.conf").arg(++fileCounter_));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ini) != ini.size())
        return {};
    return path;
}

void TestSettingsStore::perUserStoreLivesUnderVendorAndProduct()
{
    const SettingsStore store;
    QVERIFY2(store.fileName().endsWith(QLatin1String("Vellhorn/Orbisa.conf")),
             qPrintable(store.fileName()));
    // Test mode keeps the user's real settings out of reach.
    QVERIFY(store.fileName().contains(QLatin1String("qttest")));
    // The file that earlier versions wrote through QSettings' own lookup.
    const QSettings qtStore(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(SettingsStore::Organisation),
                            QLatin1String(SettingsStore::Application));
    QCOMPARE(store.fileName(), qtStore.fileName());
}

void TestSettingsStore::roundTrip_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("int zero") << "int" << QVariant(0);
    QTest::newRow("int negative") << "int" << QVariant(-17);
    QTest::newRow("int max") << "int" << QVariant(2147483647);
    QTest::newRow("int min") << "int" << QVariant(int(-2147483647 - 1));
    QTest::newRow("bool true") << "bool" << QVariant(true);
    QTest::newRow("bool false") << "bool" << QVariant(false);
    QTest::newRow("string with comma") << "string" << QVariant(QStringLiteral("0,50"));
    QTest::newRow("string empty") << "string" << QVariant(QString());
    QTest::newRow("string digits") << "string" << QVariant(QStringLiteral("80"));
    QTest::newRow("string umlauts") << "string" << QVariant(QStringLiteral("Für Sa. und Mi."));
    QTest::newRow("string leading @ and blanks")
        << "string" << QVariant(QStringLiteral("@ByteArray(x)  "));
    QTest::newRow("string with quotes and backslash")
        << "string" << QVariant(QStringLiteral("a \"b\" \\c; d=e"));
    QTest::newRow("date whole day") << "date" << QVariant(42284.0);        // 07.10.2015
    QTest::newRow("date with time") << "date" << QVariant(34657.75);       // 19.11.1994 18:00
    QTest::newRow("date before epoch") << "date" << QVariant(-1.5);
}

void TestSettingsStore::roundTrip()
{
    QFETCH(QString, kind);
    QFETCH(QVariant, value);
    const QString path = dir_.filePath(QStringLiteral("roundtrip.conf"));
    QFile::remove(path);

    {
        SettingsStore store(path);
        if (kind == QLatin1String("int"))
            store.writeInt(QStringLiteral("V"), value.toInt());
        else if (kind == QLatin1String("bool"))
            store.writeBool(QStringLiteral("V"), value.toBool());
        else if (kind == QLatin1String("string"))
            store.writeString(QStringLiteral("V"), value.toString());
        else
            store.writeDate(QStringLiteral("V"), value.toDouble());
        QVERIFY(store.sync());
    }

    const SettingsStore store(path);
    if (kind == QLatin1String("int")) {
        const auto read = store.readInt(QStringLiteral("V"));
        QVERIFY(read.present());
        QCOMPARE(read.value, value.toInt());
    } else if (kind == QLatin1String("bool")) {
        const auto read = store.readBool(QStringLiteral("V"));
        QVERIFY(read.present());
        QCOMPARE(read.value, value.toBool());
        // Booleans are words: 0 or 1, never "true"/"false".
        QCOMPARE(store.readInt(QStringLiteral("V")).value, value.toBool() ? 1 : 0);
    } else if (kind == QLatin1String("string")) {
        const auto read = store.readString(QStringLiteral("V"));
        QVERIFY(read.present());
        QCOMPARE(read.value, value.toString());
    } else {
        const auto read = store.readDate(QStringLiteral("V"));
        QVERIFY(read.present());
        QCOMPARE(read.value, value.toDouble());
    }
}

// Each row is a hand-written file holding "V", read as one kind.
// state: "present", "absent" or "wrong"; expected is compared when present.
void TestSettingsStore::valueKinds_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QVariant>("expected");

    const QByteArray head = "[General]\n";
    QTest::newRow("absent int") << head + "Other=1\n" << "int" << "absent" << QVariant();
    QTest::newRow("absent date") << head << "date" << "absent" << QVariant();
    QTest::newRow("text as int") << head + "V=abc\n" << "int" << "wrong" << QVariant();
    QTest::newRow("empty as int") << head + "V=\n" << "int" << "wrong" << QVariant();
    QTest::newRow("int beyond 32 bits") << head + "V=4294967296\n" << "int" << "wrong" << QVariant();
    QTest::newRow("binary as int") << head + "V=@ByteArray(abcd)\n" << "int" << "wrong" << QVariant();
    QTest::newRow("fraction as int") << head + "V=2.5\n" << "int" << "wrong" << QVariant();
    QTest::newRow("non-zero word as bool") << head + "V=7\n" << "bool" << "present" << QVariant(true);
    QTest::newRow("text as bool") << head + "V=ja\n" << "bool" << "wrong" << QVariant();
    QTest::newRow("old boolean true as int") << head + "V=true\n" << "int" << "wrong" << QVariant();
    QTest::newRow("old boolean true, int or bool")
        << head + "V=true\n" << "intOrBool" << "present" << QVariant(1);
    QTest::newRow("old boolean false, int or bool")
        << head + "V=false\n" << "intOrBool" << "present" << QVariant(0);
    QTest::newRow("word, int or bool") << head + "V=5\n" << "intOrBool" << "present" << QVariant(5);
    QTest::newRow("text, int or bool") << head + "V=vielleicht\n" << "intOrBool" << "wrong" << QVariant();
    QTest::newRow("number as string") << head + "V=12\n" << "string" << "present" << QVariant("12");
    QTest::newRow("binary as string") << head + "V=@ByteArray(x)\n" << "string" << "wrong" << QVariant();
    QTest::newRow("unquoted list as string") << head + "V=a, b\n" << "string" << "wrong" << QVariant();
    QTest::newRow("text as date") << head + "V=07.10.2015\n" << "date" << "wrong" << QVariant();
    QTest::newRow("short binary as date") << head + "V=@ByteArray(abcd)\n" << "date" << "wrong" << QVariant();
    QTest::newRow("long binary as date")
        << head + "V=@ByteArray(abcdefghi)\n" << "date" << "wrong" << QVariant();
    // 42284.0 as little-endian double: 00 00 00 00 80 a5 e4 40
    QTest::newRow("eight bytes as date")
        << head + "V=@ByteArray(\\0\\0\\0\\0\\x80\\xa5\\xe4@)\n" << "date" << "present"
        << QVariant(42284.0);
}

void TestSettingsStore::valueKinds()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, kind);
    QFETCH(QString, state);
    QFETCH(QVariant, expected);

    const QString path = writeRaw(ini);
    QVERIFY(!path.isEmpty());
    const SettingsStore store(path);
    const QString name = QStringLiteral("V");

    auto check = [&](const auto& read, const QVariant& actual) {
        const QString got = read.present() ? QStringLiteral("present")
                          : read.absent()  ? QStringLiteral("absent")
                                           : QStringLiteral("wrong");
        QCOMPARE(got, state);
        if (read.present())
            QCOMPARE(actual, expected);
    };
    if (kind == QLatin1String("int")) {
        const auto read = store.readInt(name);
        check(read, QVariant(read.value));
    } else if (kind == QLatin1String("bool")) {
        const auto read = store.readBool(name);
        check(read, QVariant(read.value));
    } else if (kind == QLatin1String("intOrBool")) {
        const auto read = store.readIntOrBool(name);
        check(read, QVariant(read.value));
    } else if (kind == QLatin1String("string")) {
        const auto read = store.readString(name);
        check(read, QVariant(read.value));
    } else {
        const auto read = store.readDate(name);
        check(read, QVariant(read.value));
    }
}

void TestSettingsStore::groupEndsAtFirstWrongType()
{
    const QString path = writeRaw("[General]\nA=1\nB=zwei\nC=3\nD=4\n");
    const SettingsStore store(path);
    QList<QString> applied;
    auto note = [&](const QString& name) { return [&applied, name](qint32) { applied << name; }; };

    SettingsGroup first(store);
    first.readInt(QStringLiteral("A"), note(QStringLiteral("A")));
    first.readInt(QStringLiteral("B"), note(QStringLiteral("B")));
    first.step([&] { applied << QStringLiteral("step"); });
    first.readInt(QStringLiteral("C"), note(QStringLiteral("C")));
    QVERIFY(first.ended());

    SettingsGroup next(store);
    next.readInt(QStringLiteral("D"), note(QStringLiteral("D")));
    QVERIFY(!next.ended());

    QCOMPARE(applied, (QList<QString>{QStringLiteral("A"), QStringLiteral("D")}));
}

void TestSettingsStore::absentValueDoesNotEndGroup()
{
    const QString path = writeRaw("[General]\nC=3\n");
    const SettingsStore store(path);
    qint32 a = -1;
    qint32 c = -1;
    bool stepped = false;

    SettingsGroup group(store);
    group.readInt(QStringLiteral("A"), [&](qint32 v) { a = v; });
    group.step([&] { stepped = true; });
    group.readInt(QStringLiteral("C"), [&](qint32 v) { c = v; });

    QVERIFY(!group.ended());
    QCOMPARE(a, -1);
    QVERIFY(stepped);
    QCOMPARE(c, 3);
}

void TestSettingsStore::corruptFileReadsAsAbsent()
{
    QByteArray garbage;
    for (int i = 0; i < 4096; ++i)
        garbage.append(char((i * 131 + 7) & 0xff));
    const QString path = writeRaw(garbage);
    const SettingsStore store(path);
    QVERIFY(!store.readInt(QStringLiteral("Sprache")).present());
    QVERIFY(!store.readDate(QStringLiteral("DateTimePicker2")).present());
}

void TestSettingsStore::unwritableFileFailsQuietly()
{
    // A regular file where the folder should be: nothing can be created below it.
    const QString blocker = writeRaw("not a folder");
    SettingsStore store(blocker + QStringLiteral("/Orbisa.conf"));
    store.writeInt(QStringLiteral("Sprache"), 3);
    store.writeDate(QStringLiteral("DateTimePicker2"), 42284.0);
    QVERIFY(!store.sync());
}

void TestSettingsStore::notARegularFileIsLeftAlone_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("perUser");
    QTest::newRow("pipe") << "pipe" << false;
    QTest::newRow("pipe as the per-user store") << "pipe" << true;
    QTest::newRow("link to a pipe") << "link to a pipe" << false;
    QTest::newRow("device") << "device" << false;
    QTest::newRow("link to a device") << "link to a device" << false;
    QTest::newRow("folder") << "folder" << false;
    QTest::newRow("link to nothing") << "link to nothing" << false;
}

// A pipe used to block start-up for good inside QSettings, and saving over a
// link to a device replaced the device node with a plain file.
void TestSettingsStore::notARegularFileIsLeftAlone()
{
    QFETCH(QString, kind);
    QFETCH(bool, perUser);
    QTemporaryDir dir;
    const QString path = perUser ? SettingsStore().fileName() : dir.filePath(QStringLiteral("Orbisa.conf"));
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile::remove(path);
    const bool linked = kind.startsWith(QLatin1String("link"));
    const QString node = linked ? dir.filePath(QStringLiteral("node")) : path;
    const QByteArray nodeName = QFile::encodeName(node);
    if (kind.endsWith(QLatin1String("pipe"))) {
        QVERIFY(::mkfifo(nodeName.constData(), 0600) == 0);
    } else if (kind.endsWith(QLatin1String("device"))) {
        // A node of the null device in the test's own folder, never a real one.
        if (::mknod(nodeName.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
            QSKIP("no right to make a device node here");
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(node));
    }
    if (linked)
        QVERIFY(QFile::link(node, path));
    struct stat before {};
    QVERIFY(::lstat(nodeName.constData(), &before) == 0 || kind == QLatin1String("link to nothing"));

    // Everything a start and a shutdown do with the store, on a thread of its
    // own so that a blocked open shows as a failure instead of a hang.
    QString refused;
    bool absent = false;
    bool synced = true;
    {
        PipeUnblocker guard(node, std::chrono::seconds(10));
        std::thread run([&] {
            SettingsStore store(perUser ? QString() : path);
            refused = store.refusedFile();
            absent = store.readInt(QStringLiteral("Sprache")).absent();
            store.writeInt(QStringLiteral("Sprache"), 3);
            synced = store.sync();
        });
        run.join();
        QVERIFY2(!guard.finish(), "reading the settings blocked on the pipe");
    }

    if (linked)
        QCOMPARE(QFileInfo(path).symLinkTarget(), node);
    struct stat after {};
    if (kind == QLatin1String("link to nothing")) {
        QVERIFY(!QFileInfo::exists(node));
    } else {
        QVERIFY(::lstat(nodeName.constData(), &after) == 0);
        QCOMPARE(after.st_mode, before.st_mode);
        QCOMPARE(after.st_rdev, before.st_rdev);
    }
    QCOMPARE(refused, path);
    QVERIFY(absent);
    QVERIFY(!synced);
    if (perUser)
        QVERIFY(QFile::remove(path));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
