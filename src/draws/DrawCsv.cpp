#include "draws/DrawCsv.h"

#include "draws/DateSerial.h"
#include "draws/GameRules.h"
#include "text/TextLine.h"
#include "text/UiText.h"

#include <QDate>
#include <QHash>
#include <QList>

#include <algorithm>
#include <array>
#include <optional>

namespace {

// Where the optional columns stand: after the super number unless a header
// names them elsewhere. -1: the file has no such column.
struct Columns {
    int spiel77 = 9;
    int super6 = 10;
    int count() const { return std::max({9, spiel77 + 1, super6 + 1}); }
};

// Only four-digit years: a date the export cannot write back (a negative
// year, or one beyond what a stored day number can hold) is no date.
QDate parseDate(QStringView text)
{
    for (const char* format : {"yyyy-MM-dd", "dd.MM.yyyy", "d.M.yyyy"}) {
        const QDate date = QDate::fromString(text.toString(), QLatin1String(format));
        if (date.isValid())
            return date.year() >= 1 && date.year() <= 9999 ? date : QDate();
    }
    return {};
}

// A whole decimal number; empty text is "none", anything else is no number.
enum class Field { Empty, Number, Bad };
Field parseNumber(QStringView text, int* value)
{
    if (text.isEmpty())
        return Field::Empty;
    if (text.size() > 3)
        return Field::Bad;
    int v = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return Field::Bad;
        v = v * 10 + (c.unicode() - u'0');
    }
    *value = v;
    return Field::Number;
}

QStringView unquoted(QStringView field)
{
    field = field.trimmed();
    if (field.size() >= 2 && field.front() == u'"' && field.back() == u'"')
        field = field.mid(1, field.size() - 2).trimmed();
    return field;
}

// A game's digits, first digit first; empty text leaves them 0 (unknown).
template <std::size_t N>
bool parseDigits(QStringView text, std::array<std::uint8_t, N>* digits)
{
    if (text.isEmpty())
        return true;
    const std::optional<std::array<std::uint8_t, N>> parsed = GameRules::gameDigits<N>(text);
    if (parsed)
        *digits = *parsed;
    return parsed.has_value();
}

QStringView fieldAt(const QList<QStringView>& fields, int column)
{
    return column >= 0 && column < fields.size() ? unquoted(fields[column]) : QStringView();
}

// The draw of one line, or the reason it is none.
std::optional<Draw> parseFields(const QList<QStringView>& fields, const Columns& columns, QString* why)
{
    if (fields.size() < 7 || fields.size() > columns.count()) {
        *why = UiText::line(TextLine::CsvFieldCount)
                   .arg(fields.size());
        return std::nullopt;
    }
    const QDate date = parseDate(unquoted(fields[0]));
    if (!date.isValid()) {
        *why = UiText::line(TextLine::CsvNotADate).arg(unquoted(fields[0]).toString());
        return std::nullopt;
    }
    Draw draw;
    draw.datum = DateSerial::fromDate(date);
    std::array<bool, 50> seen{};
    for (int i = 0; i < 6; ++i) {
        int n = 0;
        const QStringView text = unquoted(fields[i + 1]);
        if (parseNumber(text, &n) != Field::Number || !isLottoNumber(n)) {
            *why = UiText::line(TextLine::CsvBadNumber).arg(i + 1).arg(text.toString());
            return std::nullopt;
        }
        if (seen[std::size_t(n)]) {
            *why = UiText::line(TextLine::CsvNumberTwice).arg(n);
            return std::nullopt;
        }
        seen[std::size_t(n)] = true;
        draw.zahlen[std::size_t(i)] = std::uint8_t(n);
    }
    const QStringView bonusText = fields.size() > 7 ? unquoted(fields[7]) : QStringView();
    int bonus = 0;
    const Field bonusField = parseNumber(bonusText, &bonus);
    if (bonusField == Field::Bad || bonus > 49) {
        *why = UiText::line(TextLine::CsvBadBonus)
                   .arg(bonusText.toString());
        return std::nullopt;
    }
    const QStringView superText = fields.size() > 8 ? unquoted(fields[8]) : QStringView();
    int super = 0;
    const Field superField = parseNumber(superText, &super);
    if (superField == Field::Bad || super > 9) {
        *why = UiText::line(TextLine::CsvBadSuper)
                   .arg(superText.toString());
        return std::nullopt;
    }
    draw.zahlen[6] = std::uint8_t(bonus);
    draw.zahlen[7] = std::uint8_t(super);
    const QStringView spiel77Text = fieldAt(fields, columns.spiel77);
    if (!parseDigits(spiel77Text, &draw.spiel77)) {
        *why = UiText::line(TextLine::CsvBadSpiel77).arg(spiel77Text.toString());
        return std::nullopt;
    }
    const QStringView super6Text = fieldAt(fields, columns.super6);
    if (!parseDigits(super6Text, &draw.super6)) {
        *why = UiText::line(TextLine::CsvBadSuper6).arg(super6Text.toString());
        return std::nullopt;
    }
    return draw;
}

bool looksLikeHeader(const QList<QStringView>& fields)
{
    if (fields.isEmpty() || parseDate(unquoted(fields[0])).isValid())
        return false;
    for (QChar c : fields[0])
        if (c.isLetter())
            return true;
    return false;
}

// A header may name the digit-game columns; the first nine stay where they are.
Columns columnsNamedIn(const QList<QStringView>& header)
{
    Columns columns;
    int spiel77 = -1;
    int super6 = -1;
    for (int i = 9; i < header.size(); ++i) {
        const QStringView name = unquoted(header[i]);
        if (name.compare(u"spiel77", Qt::CaseInsensitive) == 0)
            spiel77 = i;
        else if (name.compare(u"super6", Qt::CaseInsensitive) == 0)
            super6 = i;
    }
    if (spiel77 >= 0 || super6 >= 0) {
        columns.spiel77 = spiel77;
        columns.super6 = super6;
    }
    return columns;
}

} // namespace

CsvRead parseDrawCsv(const QByteArray& content)
{
    CsvRead result;
    QString text = QString::fromUtf8(content);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    QHash<qint64, int> lineOfDate;
    QChar separator;
    Columns columns;
    bool firstContentLine = true;
    int lineNumber = 0;
    qsizetype pos = 0;
    while (pos <= text.size()) {
        // Lines end with LF, CR LF or CR.
        qsizetype end = pos;
        while (end < text.size() && text.at(end) != u'\n' && text.at(end) != u'\r')
            ++end;
        const QStringView line = QStringView(text).mid(pos, end - pos);
        ++lineNumber;
        if (end < text.size() && text.at(end) == u'\r' && end + 1 < text.size() && text.at(end + 1) == u'\n')
            ++end;
        pos = end + 1;

        if (line.trimmed().isEmpty())
            continue;
        // The file's first line decides the separator: a spreadsheet's
        // ";" file has no "," between its fields.
        if (separator.isNull())
            separator = line.count(u';') > line.count(u',') ? u';' : u',';
        const QList<QStringView> fields = line.split(separator);
        if (firstContentLine) {
            firstContentLine = false;
            if (looksLikeHeader(fields)) {
                columns = columnsNamedIn(fields);
                continue;
            }
        }
        QString why;
        const std::optional<Draw> draw = parseFields(fields, columns, &why);
        if (!draw) {
            result.problems.push_back({lineNumber, why});
            continue;
        }
        const qint64 day = qint64(draw->datum);
        if (const auto seen = lineOfDate.constFind(day); seen != lineOfDate.constEnd()) {
            result.problems.push_back(
                {lineNumber, UiText::line(TextLine::CsvDateTwice).arg(*seen)});
            continue;
        }
        lineOfDate.insert(day, lineNumber);
        result.draws.push_back(*draw);
    }
    if (!result.problems.empty())
        result.draws.clear();
    return result;
}

QByteArray drawCsv(const std::vector<Draw>& draws)
{
    QByteArray out;
    out.reserve(qsizetype(56 * (draws.size() + 1)));
    out += "date,n1,n2,n3,n4,n5,n6,bonus,super,spiel77,super6\n";
    for (const Draw& draw : draws) {
        const QDate date = DateSerial::toDate(draw.datum);
        out += date.toString(QStringLiteral("yyyy-MM-dd")).toLatin1();
        for (int i = 0; i < 6; ++i)
            out += ',' + QByteArray::number(draw.number(i));
        // Empty where the draw had none, so the file reads back as it was.
        out += ',';
        if (GameRules::hasBonus(draw))
            out += QByteArray::number(draw.bonus());
        out += ',';
        if (GameRules::hasSuperNumber(draw))
            out += QByteArray::number(draw.superNumber());
        out += ',';
        if (GameRules::hasSpiel77(draw))
            out += GameRules::gameDigitsText(draw.spiel77);
        out += ',';
        if (GameRules::hasSuper6(draw))
            out += GameRules::gameDigitsText(draw.super6);
        out += '\n';
    }
    return out;
}
