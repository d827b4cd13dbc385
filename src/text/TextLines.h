#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class QIODevice;

// Reads the program's plain text files (language files, option lists) into
// lines. A byte-order mark selects UTF-8 or UTF-16; without one the bytes are
// UTF-8 when they are valid UTF-8, otherwise Windows-1252, the code page the
// older files were written in.
class TextLines {
public:
    // Lines end at CR LF, CR or LF; a final line end adds no empty line.
    // At most maxLines lines of at most maxLineLength characters.
    static QStringList decode(const QByteArray& bytes);

    // Missing, unreadable or implausibly large files give no value, so a
    // caller can tell "no file" from "empty file".
    static std::optional<QStringList> read(const QString& path);
    // The same from an open device: nothing when reading fails part-way or
    // the data is larger than maxFileSize.
    static std::optional<QStringList> read(QIODevice& device);

    static QString decodeWindows1252(const QByteArray& bytes);
    static QStringList splitLines(const QString& text);

    // Language files are a few hundred kilobytes at most; anything far larger
    // is not one of ours and would only stall the window.
    static constexpr qint64 maxFileSize = 16 * 1024 * 1024;
    // A byte limit alone still admits millions of empty lines or one line of
    // megabytes, each of which stalls start-up for a minute. Our largest file
    // has about 1,200 lines of under 200 characters: lines past maxLines are
    // dropped and longer lines are cut at maxLineLength.
    static constexpr qsizetype maxLines = 20000;
    static constexpr qsizetype maxLineLength = 4096;
};
