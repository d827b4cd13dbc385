#include "generator/WeightList.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>

QByteArray WeightList::encode(const QStringList& lines)
{
    QByteArray out;
    for (int i = 0; i < Lines; ++i) {
        if (i < lines.size())
            out += lines[i].toLocal8Bit();
        out += "\r\n";
    }
    return out;
}

bool WeightList::decode(QIODevice& device, QStringList& lines, QString& error)
{
    QStringList result;
    QByteArray current;
    bool lineOpen = false; // bytes seen since the last line end
    char c = 0;
    while (result.size() < Lines && device.getChar(&c)) {
        if (c == '\r' || c == '\n') {
            result << QString::fromLocal8Bit(current);
            current.clear();
            lineOpen = false;
            // CR LF is one line end; a lone CR or LF is one as well.
            char next = 0;
            if (c == '\r' && device.peek(&next, 1) == 1 && next == '\n')
                device.getChar(&next);
            continue;
        }
        current += c;
        lineOpen = true;
    }
    if (auto* file = qobject_cast<QFile*>(&device); file && file->error() != QFileDevice::NoError) {
        error = file->errorString();
        return false;
    }
    if (lineOpen && result.size() < Lines)
        result << QString::fromLocal8Bit(current);
    while (result.size() < Lines)
        result << QString();
    lines = result;
    return true;
}

QStringList WeightList::decode(const QByteArray& bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QStringList lines;
    QString error;
    decode(buffer, lines, error);
    return lines;
}

QString WeightList::save(const QString& path, const QStringList& lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray bytes = encode(lines);
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString WeightList::load(const QString& path, QStringList& lines)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    QString error;
    if (!decode(file, lines, error))
        return error.isEmpty() ? file.errorString() : error;
    return {};
}
