#include "paths/AppPaths.h"

#include "paths/DeliveredFiles.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

QString cannotUseFolder(const QString& folder, const QString& reason)
{
    return QStringLiteral("%1\n\n%2\n\n%3\n\n%4")
        .arg(UiText::line(TextLine::DataFolderUnusable), QDir::toNativeSeparators(folder), reason,
             UiText::line(TextLine::DataFolderQuit));
}

QString withSlash(QString path)
{
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

// Asking for permission bits is not enough (read-only mounts, ACLs): try it.
// Empty when the folder can be written, else the system's reason.
QString writeProblem(const QString& dir)
{
    QTemporaryFile probe(dir + QStringLiteral("/.numerant-write-XXXXXX"));
    return probe.open() ? QString() : probe.errorString();
}

// mkpath gives no reason; the system's is found by trying each missing level.
QString makeFolder(const QString& dir)
{
    if (QDir().mkpath(dir))
        return {};
    QString reason;
    QString path;
    for (const QString& part : QDir::cleanPath(dir).split(QLatin1Char('/'))) {
        path += part.isEmpty() ? QString() : QLatin1Char('/') + part;
        const QFileInfo level(path);
        if (path.isEmpty() || level.isDir())
            continue;
        if (level.exists()) {
            reason = UiText::line(TextLine::PathIsAFile).arg(path);
            break;
        }
        if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0) {
            reason = QString::fromLocal8Bit(std::strerror(errno));
            break;
        }
    }
    return reason.isEmpty() ? UiText::line(TextLine::UnknownError) : reason;
}

} // namespace

AppPaths AppPaths::forExecutable(const QString& executableDir, const QString& userDataDir)
{
    AppPaths paths;
    const QString executableFolder = withSlash(QDir(executableDir).absolutePath());
    paths.programDir = deliveredFilesFolder(executableFolder);
    paths.executableDir = executableFolder;
    if (writeProblem(executableFolder).isEmpty()) {
        paths.home = executableFolder;
        return paths;
    }
    const QString data = userDataDir.isEmpty()
                             ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                             : userDataDir;
    paths.home = withSlash(data);
    QString reason = makeFolder(data);
    if (reason.isEmpty())
        reason = writeProblem(data);
    if (!reason.isEmpty())
        paths.problem = cannotUseFolder(data, reason);
    return paths;
}

QString AppPaths::deliveredDatabase(const QString& name) const
{
    for (const QString& folder : {executableDir, programDir})
        if (!folder.isEmpty() && QDir(folder) != QDir(home) && QFileInfo(folder + name).isReadable())
            return folder + name;
    return {};
}
