#include "evaluation/BoardRating.h"

#include <algorithm>

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

BoardRating rateBoard(const BoardRows& rows, const std::array<qint32, 9>& zahl, const Draw& draw,
                      const TicketPlay& play)
{
    BoardRating board = rateBoard(rows, zahl);
    const std::vector<TicketRow> played = ticketRows(board);
    board.ticket = rateTicket(played, draw, play);
    std::size_t next = 0;
    for (RowRating& rating : board.rows)
        if (rating.valid)
            rating.prize = board.ticket.rows[next++];
    return board;
}
