#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <optional>

class QIODevice;

// Twelve rows of six cell texts, row 1 first, exactly as the tip board holds them.
using TipRows = std::array<std::array<QString, 6>, 12>;

// A tip file: thirteen text lines, the twelve rows with their cells joined by
// "," and the ticket number. Written with CR LF in UTF-8; read with CR, LF or
// CR LF line ends.
namespace TipFile {

// For the file dialogs.
QString filter();
inline QString defaultSuffix() { return QStringLiteral("vlt"); }

struct Content {
    TipRows rows;                 // rows [0, rowsRead) come from the file
    int rowsRead = 0;             // the board keeps its state in the rows after these
    std::optional<QString> losNr; // none when the file has no thirteenth line
};

// The thirteen lines as they go to disk.
QByteArray format(const TipRows& rows, const QString& losNr);

// Writes the file through a temporary file that replaces the target only when
// everything was written, so a failed save leaves the old file or none.
// Returns the system's error text, empty on success.
QString write(const QString& path, const TipRows& rows, const QString& losNr);

// Splits one line into six cell texts: cells 1..5 are taken up to the next
// ","; without a comma left a cell is empty and the rest stays. Cell 6 is the
// rest up to its first ":". Nothing is trimmed or checked here.
std::array<QString, 6> splitLine(const QString& line);

// A tip file is a few hundred bytes; this is far more than any real one.
constexpr qint64 maxFileSize = 1024 * 1024;

// Reads up to thirteen lines from an open device, at most maxFileSize bytes.
// Returns nullopt with the error text in *error when reading fails or the
// lines do not end within the limit.
std::optional<Content> read(QIODevice& device, QString* error = nullptr);
// Also refuses, before opening it, anything that is not a regular file (a
// device, a pipe, a folder) and files larger than maxFileSize.
std::optional<Content> read(const QString& path, QString* error = nullptr);

// The name proposed when saving: the next draw after the end-date picker's
// date when that is a Sunday, Wednesday or Saturday, otherwise today;
// "yyyymmdd.vlt".
QString proposedFileName(const QDate& pickerDate, const QDate& today);

// The folder the tip file dialogs open in: the last folder a tip file was
// saved to or loaded from while it still exists; otherwise the program's
// writing folder when that is the program's own folder (a copy kept in one
// folder), and the user's documents folder when the program writes to a
// hidden per-user folder (a system-wide install). `documents` empty or
// missing: the writing folder.
QString startFolder(const QString& lastUsed, const QString& home, const QString& executableDir,
                    const QString& documents);

} // namespace TipFile
