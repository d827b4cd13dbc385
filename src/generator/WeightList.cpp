#include "generator/WeightList.h"

#include "text/AtomicFile.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

namespace {

// The reader's own messages, shown after the dialog's "could not be loaded".
QString notAFileMessage()
{
    return UiText::line(TextLine::NotARegularFile);
}
QString tooLargeMessage()
{
    return UiText::line(TextLine::WeightListTooLarge).arg(WeightList::MaxFileSize);
}

} // namespace

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
    qint64 budget = MaxFileSize;
    char c = 0;
    while (result.size() < Lines) {
        if (budget <= 0) {
            error = tooLargeMessage();
            return false;
        }
        // read() tells a failing device (-1) from the end of the data (0).
        const qint64 got = device.read(&c, 1);
        if (got < 0) {
            error = device.errorString();
            return false;
        }
        if (got == 0)
            break;
        --budget;
        if (c == '\r' || c == '\n') {
            result << QString::fromLocal8Bit(current);
            current.clear();
            lineOpen = false;
            // CR LF is one line end; a lone CR or LF is one as well.
            char next = 0;
            if (c == '\r' && budget > 0 && device.peek(&next, 1) == 1 && next == '\n') {
                device.read(&next, 1);
                --budget;
            }
            continue;
        }
        current += c;
        lineOpen = true;
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
    return AtomicFile::write(path, encode(lines)).reason;
}

QString WeightList::load(const QString& path, QStringList& lines)
{
    // Opening a pipe would block and /dev/zero never ends: look before opening.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return notAFileMessage();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    if (file.size() > MaxFileSize)
        return tooLargeMessage();
    QString error;
    if (!decode(file, lines, error))
        return error.isEmpty() ? file.errorString() : error;
    return {};
}
