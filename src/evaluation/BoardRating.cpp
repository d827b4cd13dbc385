#include "evaluation/BoardRating.h"

#include <algorithm>
#include <utility>

void countRating(Statistik& statistik, const RowRating& rating)
{
    if (!rating.valid)
        return;
    const std::size_t hits = std::min<std::size_t>(rating.check.gewinn, statistik.size() - 1);
    ++statistik[hits][rating.check.zusatz ? 1 : 0];
}

BoardRating rateBoard(const BoardRows& rows, const std::array<qint32, 9>& zahl)
{
    BoardRating board;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const RowRating& rating = board.rows[r] = rateRow(rows[r], zahl);
        if (!rating.valid)
            continue;
        countRating(board.statistik, rating);
        ++board.validRows;
        board.last = rating.check;
        if (rating.highlight)
            ++board.highlightCount;
    }
    return board;
}

std::vector<TicketRow> ticketRows(const BoardRating& board)
{
    std::vector<TicketRow> rows;
    for (const RowRating& rating : board.rows) {
        if (!rating.valid)
            continue;
        TicketRow row{};
        for (std::size_t k = 0; k < row.size(); ++k)
            row[k] = rating.sorted[k];
        rows.push_back(row);
    }
    return rows;
}

BoardRating rateBoard(const BoardRows& rows, const Draw& draw, const TicketPlay& play)
{
    BoardRating board = rateBoard(rows, draw.zahl());
    const int ticketSuper = Prize::ticketSuperNumber(play.losnummer);
    std::vector<Prize::RowResult> played;
    for (RowRating& rating : board.rows) {
        if (!rating.valid)
            continue;
        // The board compares the cell texts, so a 0 in a row counts when the
        // record holds a 0; on a ticket a 0 is an unused place that never
        // matches, so such a row is compared as the ticket plays it.
        if (rating.sorted[0] == 0) {
            TicketRow row{};
            std::copy(rating.sorted.begin(), rating.sorted.end(), row.begin());
            rating.prize = Prize::rateRow(row, draw, ticketSuper);
        } else {
            rating.prize = Prize::rateHits(rating.check.gewinn, rating.check.zusatz, draw, ticketSuper);
        }
        played.push_back(rating.prize);
    }
    board.ticket = tallyTicket(std::move(played), draw, play);
    return board;
}
