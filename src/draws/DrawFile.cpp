#include "draws/DrawFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <cstdio>

namespace {

constexpr qint64 kRecordSize = 32;
constexpr qint64 kBlockRecords = 1000;

QString failure(const QFile& file, const QString& what)
{
    return QStringLiteral("%1 \"%2\": %3").arg(what, file.fileName(), file.errorString());
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
    QFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return failure(file, QStringLiteral("Cannot create"));
    return {};
}

qint64 DrawFile::recordCount() const
{
    return QFileInfo(path_).size() / kRecordSize;
}

QString DrawFile::scan(const std::function<bool(const Draw&, qint64 index)>& visit) const
{
    QFile file(path_);
    if (!file.open(QIODevice::ReadOnly))
        return failure(file, QStringLiteral("Cannot open"));
    const qint64 records = file.size() / kRecordSize;
    QByteArray block;
    qint64 index = 0;
    while (index < records) {
        const qint64 wanted = std::min(kBlockRecords, records - index);
        block = file.read(wanted * kRecordSize);
        if (block.size() != wanted * kRecordSize)
            return failure(file, QStringLiteral("Cannot read"));
        for (qint64 i = 0; i < wanted; ++i, ++index)
            if (!visit(decodeDraw(block.constData() + i * kRecordSize), index))
                return {};
    }
    return {};
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
    QFile file(path_);
    if (!file.open(QIODevice::ReadWrite))
        return failure(file, QStringLiteral("Cannot open"));
    // Appending after the last whole record keeps a stray fragment from
    // shifting every later record out of step.
    if (!file.seek(file.size() / kRecordSize * kRecordSize))
        return failure(file, QStringLiteral("Cannot write"));
    QByteArray bytes(static_cast<qsizetype>(draws.size() * kRecordSize), '\0');
    for (std::size_t i = 0; i < draws.size(); ++i)
        encodeDraw(draws[i], bytes.data() + i * kRecordSize);
    if (file.write(bytes) != bytes.size() || !file.flush())
        return failure(file, QStringLiteral("Cannot write"));
    return {};
}

QString DrawFile::rewrite(const std::vector<Draw>& draws, const QString& tempPath) const
{
    QByteArray bytes(static_cast<qsizetype>(draws.size() * kRecordSize), '\0');
    for (std::size_t i = 0; i < draws.size(); ++i)
        encodeDraw(draws[i], bytes.data() + i * kRecordSize);

    // Clearing a stale temp file that is really the database would lose it.
    if (QFileInfo(tempPath).absoluteFilePath() == QFileInfo(path_).absoluteFilePath())
        return QStringLiteral("Cannot replace \"%1\" through itself").arg(path_);
    QFile::remove(tempPath);
    QFile temp(tempPath);
    if (!temp.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return failure(temp, QStringLiteral("Cannot create"));
    if (temp.write(bytes) != bytes.size() || !temp.flush()) {
        const QString problem = failure(temp, QStringLiteral("Cannot write"));
        temp.close();
        QFile::remove(tempPath);
        return problem;
    }
    // The data must be on disk before the rename makes it the database.
    if (::fsync(temp.handle()) != 0) {
        temp.close();
        QFile::remove(tempPath);
        return QStringLiteral("Cannot write \"%1\": %2").arg(tempPath, QString::fromLocal8Bit(std::strerror(errno)));
    }
    temp.close();
    if (::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(path_).constData()) != 0) {
        const QString problem = QStringLiteral("Cannot replace \"%1\": %2")
                                    .arg(path_, QString::fromLocal8Bit(std::strerror(errno)));
        QFile::remove(tempPath);
        return problem;
    }
    return {};
}
