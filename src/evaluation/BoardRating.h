#pragma once

#include "evaluation/RowRating.h"
#include "evaluation/TicketRating.h"

#include <array>
#include <optional>

// Rows rated with k hits (k = 0..6): [k][0] without the bonus number, [k][1] with it.
using Statistik = std::array<std::array<qint32, 2>, 7>;

using BoardRows = std::array<std::array<QString, 6>, 12>;

// The rating of all twelve rows of the tip board.
struct BoardRating {
    std::array<RowRating, 12> rows;
    Statistik statistik{};
    // The comparison of the last valid row, which is what the window keeps as
    // its Treffer, Gewinn and Zusatz; none when no row was valid, and then the
    // window keeps the previous values.
    std::optional<CheckResult> last;
    int highlightCount = 0; // rows with three or more hits: one sound each
    int validRows = 0;      // the rows the ticket plays
    // The valid rows as a ticket against the whole draw: the classes per row
    // (also in each row's `prize`), their sum, Spiel 77 and Super 6.
    TicketDrawResult ticket;
};

// Adds one rated row to the counters. Repeated numbers in the row or in the
// draw can push the hits past six; such a row is counted as six, so every
// valid row is counted exactly once and never outside the table.
void countRating(Statistik& statistik, const RowRating& rating);

BoardRating rateBoard(const BoardRows& rows, const std::array<qint32, 9>& zahl);
// The same against the numbers of `draw`, and the valid rows as a ticket
// against the whole record, with the digit games.
BoardRating rateBoard(const BoardRows& rows, const Draw& draw, const TicketPlay& play);

// The valid rows of a rated board, in board order, as the ticket plays them.
std::vector<TicketRow> ticketRows(const BoardRating& board);
