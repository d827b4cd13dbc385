#include "evaluation/TicketCost.h"

#include <QRegularExpression>

TicketCost ticketCost(int rows, bool spiel77, bool super6, int draws, qint64 feeCents)
{
    TicketCost cost;
    cost.rowsPerDraw = qint64(std::max(rows, 0)) * Prices::kRowCents;
    cost.spiel77PerDraw = spiel77 ? Prices::kSpiel77Cents : 0;
    cost.super6PerDraw = super6 ? Prices::kSuper6Cents : 0;
    cost.perDraw = cost.rowsPerDraw + cost.spiel77PerDraw + cost.super6PerDraw;
    cost.draws = std::max(draws, 0);
    cost.fee = std::max<qint64>(feeCents, 0);
    cost.run = cost.perDraw * cost.draws + cost.fee;
    return cost;
}

std::optional<qint64> parseCents(const QString& text)
{
    static const QRegularExpression amount(QStringLiteral("^(\\d{1,7})(?:[.,](\\d{1,2}))?$"));
    const QRegularExpressionMatch m = amount.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    qint64 cents = m.captured(1).toLongLong() * 100;
    const QString fraction = m.captured(2);
    if (!fraction.isEmpty())
        cents += fraction.size() == 1 ? fraction.toInt() * 10 : fraction.toInt();
    return cents;
}

QString euroText(qint64 cents, const QLocale& locale)
{
    return locale.toString(double(cents) / 100.0, 'f', 2) + QStringLiteral(" €");
}
