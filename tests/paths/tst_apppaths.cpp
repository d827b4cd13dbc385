#include "paths/AppPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class AppPathsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Where the delivered files are found: beside the executable in a build
    // tree, ../share/numerant once installed.
    void deliveredFilesFolder_data()
    {
        QTest::addColumn<QStringList>("folders"); // made below the temporary root
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("expected");

        QTest::newRow("build tree") << QStringList{"build/bin/land"} << "build/bin"
                                    << "build/bin/";
        QTest::newRow("installed") << QStringList{"usr/bin", "usr/share/numerant/land"}
                                   << "usr/bin" << "usr/share/numerant/";
        QTest::newRow("land beside wins") << QStringList{"usr/bin/land", "usr/share/numerant/land"}
                                          << "usr/bin" << "usr/bin/";
        QTest::newRow("neither: beside") << QStringList{"opt/bin"} << "opt/bin" << "opt/bin/";
    }

    void deliveredFilesFolder()
    {
        QFETCH(QStringList, folders);
        QFETCH(QString, executable);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const QString& folder : folders)
            QVERIFY(QDir(dir.path()).mkpath(folder));

        const AppPaths paths = AppPaths::forExecutable(dir.filePath(executable));
        QCOMPARE(paths.programDir, dir.filePath(expected));
        // Writes stay beside the executable while it is writable.
        QCOMPARE(paths.home, dir.filePath(executable) + u'/');
    }

    void writableProgramFolderIsHome()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const AppPaths paths = AppPaths::forExecutable(dir.path());
        QCOMPARE(paths.programDir, dir.path() + QLatin1Char('/'));
        QCOMPARE(paths.home, paths.programDir);
    }

    void unwritableProgramFolderWritesToUserData()
    {
        // Even root cannot create files in /proc, like a system-wide install
        // folder for an ordinary user.
        const AppPaths paths = AppPaths::forExecutable(QStringLiteral("/proc"));
        QCOMPARE(paths.programDir, QStringLiteral("/proc/"));
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QCOMPARE(paths.home, data + QLatin1Char('/'));
        QVERIFY(QFileInfo(paths.home).isDir());
    }

    void userFolderThatCannotBeMadeIsNamed_data()
    {
        QTest::addColumn<QString>("below"); // what stands where the folder should go
        QTest::newRow("a file in the way") << "file";
        QTest::newRow("a folder nobody can write") << "/proc";
    }

    void userFolderThatCannotBeMadeIsNamed()
    {
        QFETCH(QString, below);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString data = below;
        if (below == QLatin1String("file")) {
            QFile blocker(dir.filePath(QStringLiteral("blocker")));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            data = blocker.fileName() + QStringLiteral("/Numerant");
        }
        const AppPaths paths = AppPaths::forExecutable(QStringLiteral("/proc"), data);
        QVERIFY2(paths.problem.contains(data), qPrintable(paths.problem));
        QVERIFY(paths.problem.contains(QStringLiteral("beendet")));
    }

    void userFolderIsMadeWhenMissing()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString data = dir.filePath(QStringLiteral("share/Numerant"));
        const AppPaths paths = AppPaths::forExecutable(QStringLiteral("/proc"), data);
        QCOMPARE(paths.problem, QString());
        QCOMPARE(paths.home, data + QLatin1Char('/'));
        QVERIFY(QFileInfo(data).isDir());
        // Where a database from before may still lie.
        QCOMPARE(paths.executableDir, QStringLiteral("/proc/"));
    }

    // The database adopted at a start without one of its own.
    void deliveredDatabase_data()
    {
        QTest::addColumn<QStringList>("holding"); // folders that hold a database: exe, program, home
        QTest::addColumn<bool>("homeIsExe");
        QTest::addColumn<QString>("expected");

        QTest::newRow("beside the executable first") << QStringList{"exe", "program"} << false << "exe";
        QTest::newRow("then the program folder") << QStringList{"program"} << false << "program";
        QTest::newRow("home's own is not delivered") << QStringList{"exe", "program"} << true << "program";
        QTest::newRow("only home's own") << QStringList{"exe"} << true << "";
        QTest::newRow("none") << QStringList{} << false << "";
    }

    void deliveredDatabase()
    {
        QFETCH(QStringList, holding);
        QFETCH(bool, homeIsExe);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const char* folder : {"exe", "program", "home"})
            QVERIFY(QDir(dir.path()).mkpath(QString::fromLatin1(folder)));
        for (const QString& folder : holding) {
            QFile file(dir.filePath(folder + u'/' + AppPaths::databaseName()));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        AppPaths paths;
        paths.executableDir = dir.filePath(QStringLiteral("exe/"));
        paths.programDir = dir.filePath(QStringLiteral("program/"));
        paths.home = homeIsExe ? paths.executableDir : dir.filePath(QStringLiteral("home/"));
        const QString found = paths.deliveredDatabase(AppPaths::databaseName());
        QCOMPARE(found, expected.isEmpty() ? QString() : dir.filePath(expected + u'/' + AppPaths::databaseName()));
    }
};

QTEST_GUILESS_MAIN(AppPathsTest)
#include "tst_apppaths.moc"
