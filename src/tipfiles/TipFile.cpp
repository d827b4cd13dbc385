#include "tipfiles/TipFile.h"

#include "text/AtomicFile.h"
#include "draws/DateSerial.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

constexpr int kRows = 12;

// The reader's own messages; the system's error text follows where there is one.
QString notAFileMessage(const QString& path)
{
    return UiText::line(TextLine::TipFileNotAFile).arg(path);
}
QString tooLargeMessage()
{
    return UiText::line(TextLine::TipFileTooLarge).arg(TipFile::maxFileSize);
}

enum class LineRead { Line, End, Failed, TooLarge };

// One line ended by CR, LF or CR LF; the last line may lack its end.
// `budget` is what may still be read of the whole file.
LineRead readLine(QIODevice& device, QByteArray& line, qint64& budget)
{
    line.clear();
    char c = 0;
    for (;;) {
        if (budget <= 0)
            return LineRead::TooLarge;
        const qint64 got = device.read(&c, 1);
        if (got < 0)
            return LineRead::Failed;
        if (got == 0)
            return line.isEmpty() ? LineRead::End : LineRead::Line;
        --budget;
        if (c == '\n')
            return LineRead::Line;
        if (c == '\r') {
            char next = 0;
            if (budget > 0 && device.peek(&next, 1) == 1 && next == '\n') {
                device.read(&next, 1);
                --budget;
            }
            return LineRead::Line;
        }
        line.append(c);
    }
}

// Files are written in UTF-8; one saved by an older 8-bit program still loads
// its ticket number readably instead of as replacement characters.
QString decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

} // namespace

namespace TipFile {

QString filter()
{
    return UiText::line(TextLine::TipFiles) + QStringLiteral("|*.vlt");
}

QByteArray format(const TipRows& rows, const QString& losNr)
{
    QString text;
    for (const auto& row : rows) {
        for (std::size_t k = 0; k < 5; ++k)
            text += row[k] + QLatin1Char(',');
        text += row[5] + QStringLiteral("\r\n");
    }
    text += losNr + QStringLiteral("\r\n");
    return text.toUtf8();
}

QString write(const QString& path, const TipRows& rows, const QString& losNr)
{
    return AtomicFile::write(path, format(rows, losNr)).message;
}

std::array<QString, 6> splitLine(const QString& line)
{
    std::array<QString, 6> cells;
    QString rest = line;
    for (std::size_t k = 0; k < 5; ++k) {
        const qsizetype comma = rest.indexOf(QLatin1Char(','));
        if (comma < 0)
            continue;
        cells[k] = rest.left(comma);
        rest = rest.mid(comma + 1);
    }
    const qsizetype colon = rest.indexOf(QLatin1Char(':'));
    cells[5] = colon < 0 ? rest : rest.left(colon);
    return cells;
}

std::optional<Content> read(QIODevice& device, QString* error)
{
    Content content;
    QByteArray line;
    qint64 budget = maxFileSize;
    const auto fail = [&](LineRead result) -> std::optional<Content> {
        if (error)
            *error = result == LineRead::TooLarge
                         ? tooLargeMessage()
                         : UiText::line(TextLine::CannotRead).arg(device.errorString());
        return std::nullopt;
    };
    for (int r = 0; r < kRows; ++r) {
        const LineRead result = readLine(device, line, budget);
        if (result == LineRead::Failed || result == LineRead::TooLarge)
            return fail(result);
        if (result == LineRead::End)
            return content;
        content.rows[static_cast<std::size_t>(r)] = splitLine(decode(line));
        content.rowsRead = r + 1;
    }
    const LineRead result = readLine(device, line, budget);
    if (result == LineRead::Failed || result == LineRead::TooLarge)
        return fail(result);
    if (result == LineRead::Line)
        content.losNr = decode(line);
    return content;
}

std::optional<Content> read(const QString& path, QString* error)
{
    // Opening a pipe would block and /dev/zero never ends: look before opening.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        if (error)
            *error = notAFileMessage(path);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = UiText::line(TextLine::CannotOpen).arg(path, file.errorString());
        return std::nullopt;
    }
    if (file.size() > maxFileSize) {
        if (error)
            *error = QStringLiteral("\"%1\": %2").arg(path, tooLargeMessage());
        return std::nullopt;
    }
    QString readError;
    auto content = read(file, &readError);
    if (!content && error)
        *error = QStringLiteral("\"%1\": %2").arg(path, readError);
    return content;
}

QString proposedFileName(const QDate& pickerDate, const QDate& today)
{
    QDate date = today;
    switch (pickerDate.isValid() ? DateSerial::weekday(pickerDate) : 0) {
    case DateSerial::Sunday:
    case DateSerial::Wednesday:
        date = pickerDate.addDays(3);
        break;
    case DateSerial::Saturday:
        date = pickerDate.addDays(4);
        break;
    default:
        break;
    }
    return date.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".vlt");
}

QString startFolder(const QString& lastUsed, const QString& home, const QString& executableDir,
                    const QString& documents)
{
    const auto isFolder = [](const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); };
    if (isFolder(lastUsed))
        return lastUsed;
    const bool besideProgram = QDir(home).canonicalPath() == QDir(executableDir).canonicalPath();
    if (besideProgram || !isFolder(documents))
        return home;
    return documents;
}

} // namespace TipFile
