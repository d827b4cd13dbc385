#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

// The weight list file (".vlw"): 49 text lines in the system's 8-bit code
// page, line i belonging to number i. A line holds the number's weight as
// text when the number is chosen and is empty when it is not. Lines are
// written with CR LF and read with CR, LF or CR LF; the texts themselves are
// passed through unchecked, because the dialog that uses them decides what a
// weight means.
class WeightList {
public:
    static constexpr int Lines = 49;
    // A weight list is a few hundred bytes; this is far more than any real one.
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    // Always exactly 49 lines out; missing entries are written empty, extra
    // ones are ignored.
    static QByteArray encode(const QStringList& lines);

    // Reads at most 49 lines and at most MaxFileSize bytes, so a wrong file
    // picked by mistake cannot make us read gigabytes. Lines past the end of
    // the data read as empty. On a read error, or when the 49 lines do not
    // end within the limit, returns false with the error text and leaves
    // `lines` untouched.
    static bool decode(QIODevice& device, QStringList& lines, QString& error);
    static QStringList decode(const QByteArray& bytes);

    // Both return an empty text on success, else the error text. Saving
    // replaces the file only once everything is written. Loading refuses,
    // before opening it, anything that is not a regular file (a device, a
    // pipe, a folder) and files larger than MaxFileSize.
    static QString save(const QString& path, const QStringList& lines);
    static QString load(const QString& path, QStringList& lines);
};
