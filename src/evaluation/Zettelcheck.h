#pragma once

#include <QString>
#include <array>

// Result of comparing one row with the current draw.
struct CheckResult {
    std::array<quint8, 9> treffer{}; // [1..6]: 0 nothing, 1 drawn number, 2 bonus number
    quint8 gewinn = 0;               // hits on the six drawn numbers
    bool zusatz = false;             // some cell equals the bonus number
};

// Compares the six cell texts of one row with the draw `zahl` ([1..6] numbers,
// [7] bonus, [8] super number). Every equal pair counts, so a number entered
// twice counts twice. A cell that is not a decimal integer ends the comparison
// silently, keeping what was found up to there.
CheckResult zettelcheck(const std::array<QString, 6>& cells, const std::array<qint32, 9>& zahl);

// The same for a row already held as numbers; 0 marks an unused place, which
// never matches, not even a 0 stored in the draw.
CheckResult zettelcheck(const std::array<int, 6>& row, const std::array<qint32, 9>& zahl);
