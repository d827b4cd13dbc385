#include "app/AppPaths.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class AppPathsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

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
};

QTEST_GUILESS_MAIN(AppPathsTest)
#include "tst_apppaths.moc"
