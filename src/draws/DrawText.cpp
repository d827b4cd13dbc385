#include "draws/DrawText.h"

#include "draws/DateSerial.h"
#include "draws/GameRules.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include <QLocale>

namespace {

QLocale::Language languageOf(int sprache)
{
    static constexpr QLocale::Language kLanguages[] = {
        QLocale::German, QLocale::English, QLocale::French, QLocale::Spanish, QLocale::Turkish,
        QLocale::Russian, QLocale::Dutch, QLocale::Czech, QLocale::Polish,
    };
    if (sprache < 0 || sprache >= int(std::size(kLanguages)))
        return QLocale::German;
    return kLanguages[sprache];
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QStringList shortWeekdayNames(int sprache)
{
    const QLocale::Language language = languageOf(sprache);
    // The locale data abbreviates German with a period ("So."); the draw
    // lines have always shown the bare two letters.
    if (language == QLocale::German)
        return {QStringLiteral("So"), QStringLiteral("Mo"), QStringLiteral("Di"), QStringLiteral("Mi"),
                QStringLiteral("Do"), QStringLiteral("Fr"), QStringLiteral("Sa")};

    const QLocale locale(language);
    QStringList names;
    for (int weekday = DateSerial::Sunday; weekday <= DateSerial::Saturday; ++weekday) {
        const int qtDay = weekday == DateSerial::Sunday ? 7 : weekday - 1; // Qt: 1 = Monday
        QString name = locale.dayName(qtDay, QLocale::ShortFormat);
        while (name.endsWith(QLatin1Char('.')))
            name.chop(1);
        names << name;
    }
    return names;
}

QString drawDateText(double datum, const QStringList& weekdayNames)
{
    const QDate date = DateSerial::toDate(datum);
    if (!date.isValid())
        return QStringLiteral("-- --.--.--");
    const int weekday = DateSerial::weekday(date);
    const QString name = weekday >= 1 && weekday <= weekdayNames.size() ? weekdayNames.at(weekday - 1) : QString();
    return name + QLatin1Char(' ') + twoDigits(date.day()) + QLatin1Char('.') + twoDigits(date.month())
           + QLatin1Char('.') + twoDigits(std::abs(date.year()) % 100);
}

QString drawLine(const Draw& draw, const QStringList& weekdayNames, bool firstRecord)
{
    QString line = drawDateText(draw.datum, weekdayNames);
    line += firstRecord ? QStringLiteral("   ") : QStringLiteral("  ");
    for (int i = 0; i < 6; ++i)
        line += QStringLiteral("  ") + QString::number(draw.number(i));
    // The date says what was drawn; the values print as stored, so a damaged
    // record shows its damage instead of hiding it.
    if (GameRules::bonusDrawnOn(draw.datum))
        line += u' ' + UiText::line(TextLine::DrawBonusLabel) + QString::number(draw.bonus());
    if (GameRules::superDrawnOn(draw.datum))
        line += u' ' + UiText::line(TextLine::DrawSuperLabel) + QString::number(draw.superNumber());
    return line;
}

QString crossSumText(const Draw& draw, const QString& prefix)
{
    return prefix + QString::number(draw.crossSum());
}
