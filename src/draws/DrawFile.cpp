#include "draws/DrawFile.h"

#include "text/AtomicFile.h"

#include "text/TextLine.h"
#include "text/UiText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kRecordSize = 32;
constexpr qint64 kBlockRecords = 1000;

QString failure(const QFile& file, int message)
{
    return UiText::line(message).arg(file.fileName(), file.errorString());
}

// The message line is looked up here, after errno was read for the call.
QString systemFailure(int message, const QString& path, int error)
{
    return UiText::line(message).arg(path, QString::fromLocal8Bit(std::strerror(error)));
}

QByteArray encodeAll(const std::vector<Draw>& draws)
{
    QByteArray bytes(static_cast<qsizetype>(draws.size() * kRecordSize), '\0');
    for (std::size_t i = 0; i < draws.size(); ++i)
        encodeDraw(draws[i], bytes.data() + i * kRecordSize);
    return bytes;
}

} // namespace

Draw decodeDraw(const char* bytes)
{
    Draw draw;
    quint64 bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | static_cast<unsigned char>(bytes[i]);
    std::memcpy(&draw.datum, &bits, sizeof bits);
    std::memcpy(draw.zahlen.data(), bytes + 8, 8);
    std::memcpy(draw.spiel77.data(), bytes + 16, 7);
    std::memcpy(draw.super6.data(), bytes + 23, 6);
    std::memcpy(draw.reserve.data(), bytes + 29, 3);
    return draw;
}

void encodeDraw(const Draw& draw, char* bytes)
{
    quint64 bits = 0;
    std::memcpy(&bits, &draw.datum, sizeof bits);
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    std::memcpy(bytes + 8, draw.zahlen.data(), 8);
    std::memcpy(bytes + 16, draw.spiel77.data(), 7);
    std::memcpy(bytes + 23, draw.super6.data(), 6);
    std::memcpy(bytes + 29, draw.reserve.data(), 3);
}

DrawFile::DrawFile(QString path) : path_(std::move(path)) {}

bool DrawFile::exists() const
{
    return QFileInfo::exists(path_);
}

QString DrawFile::create() const
{
    return AtomicFile::write(path_, QByteArray()).message;
}

qint64 DrawFile::recordCount() const
{
    return QFileInfo(path_).size() / kRecordSize;
}

QString DrawFile::scan(const std::function<bool(const Draw&, qint64 index)>& visit) const
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return failure(file, TextLine::CannotOpen);
    const QString problem = scan(file, visit);
    return problem.isEmpty() ? problem : QStringLiteral("\"%1\": %2").arg(path_, problem);
}

QString DrawFile::scan(QIODevice& device, const std::function<bool(const Draw&, qint64 index)>& visit)
{
    // Blocks keep the read calls few; a record split across two reads is
    // carried over, and a trailing fragment is never visited.
    QByteArray block(static_cast<qsizetype>(kBlockRecords * kRecordSize), Qt::Uninitialized);
    qint64 filled = 0;
    qint64 index = 0;
    for (;;) {
        const qint64 got = device.read(block.data() + filled, block.size() - filled);
        if (got < 0)
            return UiText::line(TextLine::CannotRead).arg(device.errorString());
        filled += got;
        const qint64 whole = filled / kRecordSize * kRecordSize;
        for (qint64 at = 0; at < whole; at += kRecordSize, ++index)
            if (!visit(decodeDraw(block.constData() + at), index))
                return {};
        std::memmove(block.data(), block.constData() + whole, std::size_t(filled - whole));
        filled -= whole;
        if (got == 0)
            return {};
    }
}

std::optional<std::vector<Draw>> DrawFile::readAll(QString* error) const
{
    std::vector<Draw> draws;
    draws.reserve(static_cast<std::size_t>(std::max<qint64>(0, recordCount())));
    const QString problem = scan([&](const Draw& draw, qint64) {
        draws.push_back(draw);
        return true;
    });
    if (!problem.isEmpty()) {
        if (error)
            *error = problem;
        return std::nullopt;
    }
    return draws;
}

QString DrawFile::append(const std::vector<Draw>& draws) const
{
    // O_APPEND is not used: the records go after the last whole record, so
    // a stray fragment cannot shift every later record out of step.
    const int fd = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return systemFailure(TextLine::CannotOpen, path_, errno);
    struct stat info {};
    int error = ::fstat(fd, &info) != 0 ? errno : 0;
    const off_t end = info.st_size / kRecordSize * kRecordSize;
    if (!error && ::lseek(fd, end, SEEK_SET) < 0)
        error = errno;
    if (!error) {
        error = AtomicFile::writeFully(fd, encodeAll(draws));
        // A failed append takes back the records it did write: all or none.
        // Should that fail too, the write error is still the one to report.
        if (error) {
            [[maybe_unused]] const int undone = ::ftruncate(fd, end);
        }
    }
    // On disk before we say so, so a power loss cannot take back a stored draw.
    if (!error && ::fsync(fd) != 0)
        error = errno;
    ::close(fd);
    return error ? systemFailure(TextLine::CannotWrite, path_, error) : QString();
}

QString DrawFile::rewrite(const std::vector<Draw>& draws, const QString& tempPath) const
{
    return AtomicFile::write(path_, encodeAll(draws), tempPath).message;
}
