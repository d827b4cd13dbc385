#include "paths/DeliveredFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

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

QString manualPath(int sprache, const QString& home, const QString& delivered)
{
    QStringList names;
    if (sprache == 1)
        names << QStringLiteral("Numerant-en.pdf");
    names << QStringLiteral("Numerant.pdf"); // until a language has its own
    for (const QString& name : names)
        for (const QString& folder : {home, delivered})
            if (QFileInfo::exists(folder + name))
                return folder + name;
    return home + names.constFirst();
}
