#pragma once

#include "evaluation/PrizeClasses.h"
#include "evaluation/Zettelcheck.h"

#include <QString>
#include <array>

// What the rating shows for one row of the tip board.
struct RowRating {
    // False when a cell is empty or not a number 0..255: the row is then shown
    // neutral, keeps its cells unsorted and is not counted. Everything below is
    // meaningful only for a valid row.
    bool valid = false;
    std::array<quint8, 6> sorted{};      // the six numbers, ascending
    std::array<QString, 6> sortedTexts;  // the same as cell texts, to write back
    int crossSum = 0;
    std::array<quint8, 6> cellState{};   // per cell: 0 nothing, 1 drawn number, 2 bonus
    CheckResult check;                   // the comparison of the sorted row
    QString hitsText;                    // "3", or "3 + B" with the bonus number
    bool highlight = false;              // three or more hits: red label and the sound
    // The row on the ticket under the rules of the draw's date; filled by a
    // board rating that knows the whole draw and the ticket.
    Prize::RowResult prize;
};

// Rates the six cell texts of one row against the draw `zahl` ([1..6] numbers,
// [7] bonus, [8] super number).
RowRating rateRow(const std::array<QString, 6>& cells, const std::array<qint32, 9>& zahl);
