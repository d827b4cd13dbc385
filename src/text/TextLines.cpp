#include "text/TextLines.h"

#include "text/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace {

QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes, bool* ok = nullptr)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (ok)
        *ok = !decoder.hasError();
    return text;
}

} // namespace

QString TextLines::decodeWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes)
        text.append(QChar(Windows1252::toUnicode(static_cast<unsigned char>(c))));
    return text;
}

namespace {

QString cutLine(const QString& text, qsizetype start, qsizetype length)
{
    if (length > TextLines::maxLineLength) {
        length = TextLines::maxLineLength;
        // Never keep half of a surrogate pair.
        if (text[start + length - 1].isHighSurrogate())
            --length;
    }
    return text.mid(start, length);
}

} // namespace

QStringList TextLines::splitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n && lines.size() < maxLines; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(cutLine(text, start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n && lines.size() < maxLines)
        lines.append(cutLine(text, start, n - start));
    return lines;
}

QStringList TextLines::decode(const QByteArray& bytes)
{
    const QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        return splitLines(decodeWith(QStringConverter::Utf8, view.sliced(3)));
    if (view.startsWith("\xFF\xFE"))
        return splitLines(decodeWith(QStringConverter::Utf16LE, view.sliced(2)));
    if (view.startsWith("\xFE\xFF"))
        return splitLines(decodeWith(QStringConverter::Utf16BE, view.sliced(2)));

    bool valid = false;
    const QString utf8 = decodeWith(QStringConverter::Utf8, view, &valid);
    return splitLines(valid ? utf8 : decodeWindows1252(bytes));
}

std::optional<QStringList> TextLines::read(const QString& path)
{
    // A pipe would block the opening and a device never ends.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > maxFileSize)
        return std::nullopt;
    return read(file);
}

std::optional<QStringList> TextLines::read(QIODevice& device)
{
    QByteArray bytes;
    char block[16384];
    for (;;) {
        const qint64 got = device.read(block, std::min<qint64>(sizeof block, maxFileSize + 1 - bytes.size()));
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        bytes.append(block, got);
        if (bytes.size() > maxFileSize)
            return std::nullopt;
    }
    return decode(bytes);
}
