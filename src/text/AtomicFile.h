#pragma once

#include <QByteArray>
#include <QString>

// The one way the program writes a file: the bytes go into a temporary file
// beside the target, every write is checked, the data is synced to disk and
// only then renamed over the target. A full disk, a crash or a power loss
// leaves the old file or the new one, never a cut-off or empty one.
//
// A target reached through a symbolic link is replaced where the link points,
// so the link survives, and an existing file keeps its permissions. A target
// that exists but is not a regular file (a device, a pipe, a folder) is never
// replaced.
namespace AtomicFile {

struct Result {
    QString reason;  // the system's error text; empty when the file was written
    QString message; // what failed and on which file, then the reason

    bool ok() const { return reason.isEmpty(); }
};

// tempPath names the temporary file; empty picks a fresh name beside the
// target. A stale file of that name is removed first.
Result write(const QString& path, const QByteArray& bytes, const QString& tempPath = QString());

// Writes the whole buffer to an open descriptor: 0, or the errno of the
// failure. A short write is followed by one more attempt, which then fails
// with the real cause (a full disk, a quota); a write that makes no progress
// without saying why counts as a full disk.
int writeFully(int fd, const QByteArray& bytes);

} // namespace AtomicFile
