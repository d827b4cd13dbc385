#pragma once

#include "draws/Draw.h"

#include <QByteArray>
#include <QString>
#include <vector>

// Draws as CSV text. The format is
//   date,n1,n2,n3,n4,n5,n6,bonus,super,spiel77,super6
// with ISO dates, an empty bonus or super number where the draw had none and
// the digit games as digit strings (7 and 6 digits), empty when unknown. The
// last two columns are optional (the shipped history has none); a header may
// name them in either order after the super number. The reader also takes
// what German spreadsheets write: ";" between fields, dates as dd.mm.yyyy,
// with or without a header line.

struct CsvProblem {
    int line = 0;  // 1-based line number in the file
    QString what;  // German, for the user
};

struct CsvRead {
    std::vector<Draw> draws;          // in file order; empty when any line is bad
    std::vector<CsvProblem> problems; // every bad line, in file order
};

// Every line is checked: a date, six different numbers 1 to 49, a bonus
// number 0 to 49 or empty, a super number 0 to 9 or empty, the digit games
// empty or of exactly 7 and 6 digits, no date twice. An empty value is
// stored as 0.
CsvRead parseDrawCsv(const QByteArray& content);

// The full format, LF line ends, header first. Each value is written only
// where the draw had it (GameRules): the bonus until 01.05.2013, the super
// number from 07.12.1991, the digit games where the record holds them.
QByteArray drawCsv(const std::vector<Draw>& draws);
