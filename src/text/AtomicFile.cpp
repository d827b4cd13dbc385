#include "text/AtomicFile.h"

#include "text/TextLine.h"
#include "text/UiText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace AtomicFile {

namespace {

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

Result failure(int message, const QString& file, const QString& reason)
{
    return {reason, UiText::line(message).arg(file, reason)};
}

// The rename itself lives in the folder: without this a power loss right
// after it may bring back the old name's content, or no file at all.
void syncFolderOf(const QString& path)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd); // some file systems cannot sync a folder; the data is already safe then
    ::close(fd);
}

QString freshName(const QString& target)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString name = target + QLatin1Char('.');
    for (int i = 0; i < 6; ++i)
        name += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))]);
    return name + QLatin1Char('~');
}

} // namespace

int writeFully(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t done = ::write(fd, data, std::size_t(left));
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (done == 0)
            return ENOSPC;
        data += done;
        left -= done;
    }
    return 0;
}

Result write(const QString& path, const QByteArray& bytes, const QString& tempPath)
{
    // A file reached through a link is replaced where it really lives, so the
    // link survives; the temporary file goes beside it, since a rename cannot
    // cross file systems.
    const QFileInfo asked(path);
    const QString canonical = asked.canonicalFilePath();
    const QString target = canonical.isEmpty() ? path : canonical;
    const bool throughLink = !canonical.isEmpty() && canonical != asked.absoluteFilePath();

    // The new file takes the old one's permissions: a private file stays
    // private. A first file gets the usual mode for new files.
    struct stat old {};
    const bool hadFile = ::stat(QFile::encodeName(target).constData(), &old) == 0;
    // Renaming over a device or a pipe would replace the node itself.
    if (hadFile && !S_ISREG(old.st_mode))
        return failure(TextLine::CannotReplace, path,
                       S_ISDIR(old.st_mode) ? systemText(EISDIR) : UiText::line(TextLine::NotARegularFile));

    const bool named = !tempPath.isEmpty();
    QString temp;
    if (named) {
        temp = throughLink ? QFileInfo(target).dir().filePath(QFileInfo(tempPath).fileName()) : tempPath;
        // Clearing a stale temp file that is really the target would lose it.
        const QString tempAbsolute = QFileInfo(temp).absoluteFilePath();
        if (tempAbsolute == QFileInfo(target).absoluteFilePath() || tempAbsolute == asked.absoluteFilePath())
            return {UiText::line(TextLine::CannotReplaceItself).arg(path),
                    UiText::line(TextLine::CannotReplaceItself).arg(path)};
        ::unlink(QFile::encodeName(temp).constData());
    }

    const mode_t createMode = hadFile ? 0600 : 0666;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        if (!named)
            temp = freshName(target);
        fd = ::open(QFile::encodeName(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, createMode);
        if (fd < 0 && (named || errno != EEXIST))
            break;
    }
    if (fd < 0)
        return failure(TextLine::CannotCreate, named ? temp : path, systemText(errno));

    const QByteArray tempName = QFile::encodeName(temp);
    int error = hadFile && ::fchmod(fd, old.st_mode & 07777) != 0 ? errno : 0;
    if (!error)
        error = writeFully(fd, bytes);
    // The data must be on disk before the rename makes it the file.
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    if (error) {
        ::unlink(tempName.constData());
        return failure(TextLine::CannotWrite, named ? temp : path, systemText(error));
    }
    if (::rename(tempName.constData(), QFile::encodeName(target).constData()) != 0) {
        const int renameError = errno;
        ::unlink(tempName.constData());
        return failure(TextLine::CannotReplace, path, systemText(renameError));
    }
    syncFolderOf(target);
    return {};
}

} // namespace AtomicFile
