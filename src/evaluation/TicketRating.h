#pragma once

#include "evaluation/PrizeClasses.h"
#include "evaluation/TicketRun.h"

#include <QString>

#include <array>
#include <span>
#include <vector>

// What the ticket plays besides its rows.
struct TicketPlay {
    QString losnummer;     // may be empty or invalid: no super number classes then
    bool spiel77 = false;
    bool super6 = false;
};

using TicketRow = std::array<int, 6>;

// A ticket's result in one draw.
struct TicketDrawResult {
    double date = 0.0;
    int drawIndex = -1;                 // from rateTicketRun: the draw's index in the draws given
    bool classTable = false;            // a class table is kept for the date
    std::vector<Prize::RowResult> rows; // in the order given
    std::array<int, 10> perClass{};     // rows per class, [1..9]; [0] rows without a class
    int spiel77Class = -1;              // -1: not played or no digits in the draw
    int super6Class = -1;
    qint64 fixedAmountCents = 0;        // Spiel 77 and Super 6 fixed amounts won
    bool jackpot = false;               // Spiel 77 class 1

    bool won() const;                   // any class in any game
};

TicketDrawResult rateTicket(std::span<const TicketRow> rows, const Draw& draw, const TicketPlay& play);
// The same from rows already rated against `draw`: counts their classes and
// adds Spiel 77 and Super 6.
TicketDrawResult tallyTicket(std::vector<Prize::RowResult> rows, const Draw& draw, const TicketPlay& play);

// The ticket against every stored draw of its run, oldest first; each result
// keeps the index of its draw in `draws`.
std::vector<TicketDrawResult> rateTicketRun(std::span<const TicketRow> rows,
                                            std::span<const Draw> draws,
                                            const TicketRun& run, const TicketPlay& play);
