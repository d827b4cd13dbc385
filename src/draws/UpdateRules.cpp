#include "draws/UpdateRules.h"

#include "draws/DateSerial.h"
#include "draws/GameRules.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include <QRegularExpression>

namespace UpdateRules {

QDate firstDay(const std::optional<Draw>& lastStored, const QDate& chosen)
{
    if (lastStored && lastStored->datum > 0.0) {
        const QDate last = DateSerial::toDate(lastStored->datum);
        if (last.isValid())
            return last.addDays(1);
    }
    return chosen.addDays(1);
}

QString query(const QDate& day)
{
    return QStringLiteral("Programm=Orbisa&Datum=") + day.toString(QStringLiteral("yyyyMMdd"));
}

Reply classify(int status)
{
    if (status == 200)
        return Reply::Draws;
    if (status == 500)
        return Reply::NotYet;
    if (status > 200)
        return Reply::Failed;
    return Reply::Nothing;
}

QString loadingText()
{
    return UiText::line(TextLine::UpdateLoading);
}

QString receivedText(qint64 bytes)
{
    return UiText::line(TextLine::UpdateReceived).arg(bytes);
}

QString accuracyNote()
{
    return UiText::line(TextLine::UpdateAccuracy);
}

QString notYetText(const QDate& day)
{
    return UiText::line(TextLine::UpdateNotYet).arg(day.toString(QStringLiteral("dd.MM.yyyy")));
}

QString failedText(int status, const QString& reasonPhrase)
{
    return UiText::line(TextLine::UpdateFailed).arg(QString::number(status), reasonPhrase);
}

QStringList bodyLines(const QByteArray& body)
{
    // The service answers in 8-bit text; digits and separators are ASCII,
    // anything else is only ever shown back to the user.
    const QString text = QString::fromLatin1(body);
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines;
    for (const QString& line : text.split(lineBreak))
        if (!line.trimmed().isEmpty())
            lines << line;
    return lines;
}

namespace {

std::optional<int> decimal(const QString& field)
{
    const QString trimmed = field.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (!(c.isDigit() && c.unicode() < 128) && !(i == 0 && (c == u'+' || c == u'-')))
            return std::nullopt;
    }
    bool ok = false;
    const int value = trimmed.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

ParsedLine parseLine(const QString& line)
{
    ParsedLine parsed;
    QString rest = line;
    // A line that ends before a field shows itself whole: an empty text would
    // end the update without saying why.
    const auto fail = [&parsed, &line](const QString& text) {
        parsed.ok = false;
        parsed.problem = text.isEmpty() ? line : text;
        return parsed;
    };

    qsizetype comma = rest.indexOf(u',');
    if (comma < 0)
        return fail(rest);
    rest = rest.mid(comma + 1);
    for (int i = 0; i < 6; ++i) {
        comma = rest.indexOf(u',');
        const std::optional<int> number = decimal(comma < 0 ? QString() : rest.left(comma));
        if (!number)
            return fail(rest);
        parsed.numbers[std::size_t(i)] = *number;
        rest = rest.mid(comma + 1);
    }
    const qsizetype semicolon = rest.indexOf(u';');
    const std::optional<int> bonus = decimal(semicolon < 0 ? QString() : rest.left(semicolon));
    if (!bonus)
        return fail(rest);
    parsed.bonus = *bonus;

    std::array<bool, 50> seen{};
    for (int n : parsed.numbers) {
        if (!isLottoNumber(n) || seen[std::size_t(n)])
            return fail(line);
        seen[std::size_t(n)] = true;
    }
    if (parsed.bonus < 0 || parsed.bonus > 49)
        return fail(line);

    // After the bonus: Spiel 77, Super 6 and the super number, each optional.
    const QStringList games = rest.mid(semicolon + 1).split(u';');
    // A field that is not exactly the game's digits counts as no game.
    parsed.spiel77 = GameRules::gameDigits<7>(games.value(0).trimmed()).value_or(decltype(parsed.spiel77){});
    parsed.super6 = GameRules::gameDigits<6>(games.value(1).trimmed()).value_or(decltype(parsed.super6){});
    const QString superText = games.value(2).trimmed();
    if (!superText.isEmpty()) {
        if (superText.size() != 1 || superText.at(0) < u'0' || superText.at(0) > u'9')
            return fail(line);
        parsed.superNumber = superText.at(0).unicode() - u'0';
    }
    parsed.ok = true;
    return parsed;
}

Draw recordFor(const ParsedLine& line, const QDate& day)
{
    Draw draw;
    draw.datum = DateSerial::fromDate(day);
    for (std::size_t i = 0; i < 6; ++i)
        draw.zahlen[i] = std::uint8_t(line.numbers[i]);
    draw.zahlen[6] = std::uint8_t(line.bonus);
    draw.zahlen[7] = std::uint8_t(line.superNumber);
    // A line without the games leaves them 0, never another record's bytes.
    draw.spiel77 = line.spiel77;
    draw.super6 = line.super6;
    return draw;
}

} // namespace UpdateRules
