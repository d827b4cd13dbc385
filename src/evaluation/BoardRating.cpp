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
        board.last = rating.check;
        if (rating.highlight)
            ++board.highlightCount;
    }
    return board;
}
