#include "DrawService.h"

#include "draws/DateSerial.h"
#include "draws/DrawCsv.h"
#include "draws/GameRules.h"

#include <QUrlQuery>

bool DrawService::load(const QByteArray& csv, QString* error)
{
    const CsvRead read = parseDrawCsv(csv);
    if (!read.problems.empty()) {
        if (error) {
            QStringList lines;
            for (const CsvProblem& problem : read.problems)
                lines << QStringLiteral("line %1: %2").arg(problem.line).arg(problem.what);
            *error = lines.join(QLatin1Char('\n'));
        }
        return false;
    }
    draws_.clear();
    for (const Draw& draw : read.draws)
        draws_.insert(DateSerial::toDate(draw.datum), draw);
    return true;
}

DrawService::Answer DrawService::answer(const QUrlQuery& query) const
{
    const QString day = query.queryItemValue(QStringLiteral("Datum"));
    const QDate date = QDate::fromString(day, QStringLiteral("yyyyMMdd"));
    if (query.queryItemValue(QStringLiteral("Programm")) != u"Orbisa" || day.size() != 8
        || !date.isValid())
        return {400, QByteArrayLiteral("Bad request: expected Programm=Orbisa&Datum=yyyymmdd\r\n")};
    if (draws_.isEmpty() || date > draws_.lastKey())
        return {500, QByteArray()};
    const auto found = draws_.constFind(date);
    if (found == draws_.constEnd())
        return {200, QByteArray()};
    return {200, drawLine(*found)};
}

QByteArray DrawService::drawLine(const Draw& draw)
{
    QByteArray line = DateSerial::toDate(draw.datum).toString(Qt::ISODate).toLatin1();
    for (int i = 0; i < 6; ++i)
        line += ',' + QByteArray::number(draw.number(i));
    line += ',' + QByteArray::number(draw.bonus()) + ';';
    if (GameRules::hasSpiel77(draw))
        line += GameRules::gameDigitsText(draw.spiel77);
    line += ';';
    if (GameRules::hasSuper6(draw))
        line += GameRules::gameDigitsText(draw.super6);
    line += ';';
    if (GameRules::hasSuperNumber(draw))
        line += QByteArray::number(draw.superNumber());
    return line + "\r\n";
}
