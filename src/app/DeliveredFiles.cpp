#include "app/DeliveredFiles.h"

#include <QDir>
#include <QFileInfo>

QString deliveredFilesFolder(const QString& executableDir)
{
    const QDir beside(executableDir);
    const QString installed = beside.absoluteFilePath(QStringLiteral("../share/numerant"));
    QString folder = beside.absolutePath();
    if (!QFileInfo(beside.filePath(QStringLiteral("land"))).isDir()
        && QFileInfo(installed).isDir())
        folder = QDir::cleanPath(installed);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
