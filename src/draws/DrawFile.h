#pragma once

#include "draws/Draw.h"

#include <QString>

class QIODevice;
#include <functional>
#include <optional>
#include <vector>

// The draw database: a plain sequence of 32-byte Draw records in ascending
// date order, no header. Every operation opens, works and closes the file
// before it returns; nothing is held open between user actions.
//
// Failures are returned as the system's error text (empty on success).
class DrawFile {
public:
    explicit DrawFile(QString path);

    const QString& path() const { return path_; }
    bool exists() const;

    // Creates (or empties) the file: an empty database.
    QString create() const;

    // Number of whole records; a trailing fragment shorter than 32 bytes is
    // never counted or read.
    qint64 recordCount() const;

    // Reads the records in file order, calling visit(record, index) for each
    // until it returns false. Reads in blocks, so a scan costs few read calls.
    QString scan(const std::function<bool(const Draw&, qint64 index)>& visit) const;
    // The same over an open device, for data that is not a file.
    static QString scan(QIODevice& device, const std::function<bool(const Draw&, qint64 index)>& visit);

    // All records; nullopt with the error in *error when the file cannot be read.
    std::optional<std::vector<Draw>> readAll(QString* error = nullptr) const;

    // Appends records after the last whole record and syncs them to disk.
    QString append(const std::vector<Draw>& draws) const;

    // Replaces the whole content through AtomicFile, with tempPath as the
    // temporary file: a crash, a power loss or a full disk leaves the old or
    // the new file, never none. A database that is a symbolic link is
    // replaced where the link points, and keeps its permissions.
    QString rewrite(const std::vector<Draw>& draws, const QString& tempPath) const;

private:
    QString path_;
};

// Encoding of one record, explicit little-endian whatever the host.
Draw decodeDraw(const char* bytes);
void encodeDraw(const Draw& draw, char* bytes);
