#include "tipfiles/TipPrintout.h"

#include "text/AtomicFile.h"
#include "draws/DateSerial.h"
#include "text/TextLine.h"
#include "text/UiText.h"


namespace TipPrintout {

QDate nextDrawDate(const QDate& shownDraw, bool saturdayDraws, bool wednesdayDraws)
{
    if (!saturdayDraws || !wednesdayDraws)
        return shownDraw.addDays(7);
    return shownDraw.addDays(DateSerial::weekday(shownDraw) == DateSerial::Wednesday ? 3 : 4);
}

std::optional<QStringList> lines(const TipRows& rows, const QDate& nextDraw,
                                 const QString& tippWord, const QLocale& locale, QString* error)
{
    QStringList out;
    out << UiText::line(TextLine::PrintoutHeading)
               .arg(QStringLiteral("Vellhorns Numerant.de"),
                    locale.dayName(nextDraw.dayOfWeek(), QLocale::LongFormat) + QLatin1Char(' ')
                        + nextDraw.toString(QStringLiteral("dd.MM.yy")))
        << QString(46, QLatin1Char('~')) << QString();

    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto& row = rows[r];
        if (row[0].isEmpty())
            continue;
        QString line = QStringLiteral("%1. ").arg(r + 1, 2) + tippWord + QStringLiteral(": ");
        for (std::size_t k = 0; k < row.size(); ++k) {
            bool ok = false;
            const int number = row[k].trimmed().toInt(&ok);
            if (!ok) {
                if (error)
                    *error = UiText::line(TextLine::PrintoutBadNumber)
                                 .arg(row[k], QString::number(r + 1), QString::number(k + 1));
                return std::nullopt;
            }
            if (k > 0)
                line += QStringLiteral("   ");
            line += QStringLiteral("%1").arg(number, 2);
        }
        out << line;
    }
    return out;
}

QString write(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    const AtomicFile::Result written = AtomicFile::write(path, bytes);
    if (!written.ok())
        return UiText::line(TextLine::CannotWrite).arg(path, written.reason);
    return {};
}

} // namespace TipPrintout
