#pragma once

#include "evaluation/TicketCost.h"
#include "evaluation/TicketRating.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <span>
#include <vector>

// The texts that tell what a ticket won and what it costs, in the interface
// language: the lines under the tip board, the status bar's note after an
// update and the report of a ticket's run.
namespace TicketReport {

// The Lotto part of a draw's result: the classes won with their row counts
// ("Gewinnklassen: Kl. 5 ×1, Kl. 8 ×2"), none, or that no class table is kept
// for the draw's date.
QString classesText(const TicketDrawResult& result);

// One digit game's result for the draw, when the ticket plays it; empty
// otherwise. `game` is the game's name ("Spiel 77", "Super 6").
QString spiel77Text(const TicketDrawResult& result, const TicketPlay& play, const Draw& draw,
                    const QLocale& locale);
QString super6Text(const TicketDrawResult& result, const TicketPlay& play, const Draw& draw,
                   const QLocale& locale);

// A draw's whole result on one line: the classes, then the digit games played.
QString drawResultText(const TicketDrawResult& result, const TicketPlay& play, const Draw& draw,
                       const QLocale& locale);

// The stake per draw as the sum of its parts, and for the run (or per week
// for a ticket that runs until changed). `feeText` is the fee field as typed;
// a text that is no amount is said, and the stake is counted without a fee.
QStringList costLines(int rows, const TicketPlay& play, const TicketRun& run, const QString& feeText,
                      const QLocale& locale);

// The report of a ticket's run over the stored draws: a heading, one line per
// stored draw of the run with its result, the fixed amounts won, the cost.
QStringList runReport(std::span<const TicketRow> rows, std::span<const Draw> draws,
                      const TicketRun& run, const TicketPlay& play, const QString& feeText,
                      const QLocale& locale);

// What the weeks choice says: "1 Woche", "3 Wochen", "bis auf Widerruf" (0).
QString weeksText(int weeks);

} // namespace TicketReport
