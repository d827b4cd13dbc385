#include "evaluation/ReportFile.h"

#include "text/AtomicFile.h"

namespace ReportFile {

QString save(const QString& path, const QByteArray& bytes)
{
    const AtomicFile::Result written = AtomicFile::write(path, bytes);
    return written.ok() ? QString() : QStringLiteral("\"%1\": %2").arg(path, written.reason);
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
