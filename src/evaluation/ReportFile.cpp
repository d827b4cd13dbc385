#include "evaluation/ReportFile.h"

#include <QSaveFile>

namespace ReportFile {

QString save(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("\"%1\": %2").arg(path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("\"%1\": %2").arg(path, file.errorString());
    return {};
}

QByteArray textLines(const QStringList& lines)
{
    QByteArray out;
    for (const QString& line : lines) {
        out += line.toUtf8();
        out += "\r\n";
    }
    return out;
}

} // namespace ReportFile
