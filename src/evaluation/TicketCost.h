#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Today's prices of the ticket, in cents, in one place.
namespace Prices {
constexpr qint64 kRowCents = 120;
constexpr qint64 kSpiel77Cents = 250;
constexpr qint64 kSuper6Cents = 125;
} // namespace Prices

// The stake of a ticket, split into its parts (all in cents).
struct TicketCost {
    qint64 rowsPerDraw = 0;     // rows x price per row
    qint64 spiel77PerDraw = 0;
    qint64 super6PerDraw = 0;
    qint64 perDraw = 0;         // the three above
    int draws = 0;              // draws in the run
    qint64 fee = 0;             // the processing fee, once per ticket
    qint64 run = 0;             // perDraw x draws + fee
};

// `draws` is the number of draws the ticket runs for (draw days per week x
// weeks); the fee is charged once for the ticket.
TicketCost ticketCost(int rows, bool spiel77, bool super6, int draws, qint64 feeCents);

// A fee field's text as cents: "0,50", "0.50", "1", blanks around allowed;
// none for anything else or a negative amount.
std::optional<qint64> parseCents(const QString& text);

// "1,20 €" in the number format of `locale`.
QString euroText(qint64 cents, const QLocale& locale);
