#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ReportFile {

// Writes the bytes as the whole file, replacing it only once everything was
// written, so a failed write leaves the previous file (or none), never half
// of one. Returns the system's error text, empty on success.
QString save(const QString& path, const QByteArray& bytes);

// Lines joined with CR LF, each line ended, in UTF-8.
QByteArray textLines(const QStringList& lines);

} // namespace ReportFile
