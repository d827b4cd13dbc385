#include "app/AppPaths.h"

#include "app/DeliveredFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

QString withSlash(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

bool canWriteInto(const QString& dir)
{
    // Asking for permission bits is not enough (read-only mounts, ACLs): try it.
    QTemporaryFile probe(dir + QStringLiteral("/.numerant-write-XXXXXX"));
    return probe.open();
}

} // namespace

AppPaths AppPaths::forExecutable(const QString& executableDir)
{
    AppPaths paths;
    const QString executableFolder = withSlash(QDir(executableDir).absolutePath());
    paths.programDir = deliveredFilesFolder(executableFolder);
    if (canWriteInto(executableFolder)) {
        paths.home = executableFolder;
    } else {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(data);
        paths.home = withSlash(data);
    }
    return paths;
}
